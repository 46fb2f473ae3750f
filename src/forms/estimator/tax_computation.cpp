#include "forms/estimator/tax_computation.h"

#include <algorithm>

namespace meridian::forms::estimator {
namespace {

bool slabPath(Status s) { return s == Status::Individual || s == Status::Huf; }

Rupees cess(Rupees base, BasisPoints rate) { return rate > 0 ? percentOf(base, rate) : 0; }

bool claims(const Rebate& r, const TaxCase& c) {
  if (c.status != Status::Individual) return false;
  switch (r.who) {
    case Rebate::Who::individual:
      return true;
    case Rebate::Who::senior:
      return c.ageClass >= 1;
    case Rebate::Who::womanBelowSeniorAge:
      return c.sex == Sex::Female && c.ageClass == 0;
  }
  return false;
}

}  // namespace

const Scale& scaleFor(const YearRules& r, Status status, Sex sex, int ageClass) {
  if (status != Status::Individual) return r.general;
  if (ageClass >= 2 && !r.verySenior.empty()) return r.verySenior;
  if (ageClass >= 1 && !r.senior.empty()) return r.senior;
  if (ageClass == 0 && sex == Sex::Female && !r.woman.empty()) return r.woman;
  return r.general;
}

Rupees scaleTax(Rupees income, const Scale& scale) {
  Rupees tax = 0, from = 0;
  for (const auto& step : scale) {
    const Rupees to = step.open ? income : std::min(income, step.upTo);
    if (to > from) tax += percentOf(to - from, step.rate);
    if (step.open || income <= step.upTo) break;
    from = step.upTo;
  }
  return tax;
}

TaxCase makeTaxCase(const EstimateInput& in, const YearRules& rules, int ageClass) {
  return TaxCase{rules,
                 in.status,
                 in.sex,
                 ageClass,
                 scaleFor(rules, in.status, in.sex, ageClass),
                 in.compTaxRate && in.status == Status::Company && rules.companyReducedRate > 0};
}

Rupees normalRateTax(Rupees income, const TaxCase& c) {
  if (income <= 0) return 0;
  switch (c.status) {
    case Status::Individual:
    case Status::Huf:
      return scaleTax(income, c.scale);
    case Status::CooperativeSociety:
      return scaleTax(income, c.rules.cooperative);
    case Status::Firm:
      return percentOf(income, c.rules.firmRate);
    case Status::Company:
      return percentOf(income, c.reducedCompanyRate ? c.rules.companyReducedRate : c.rules.companyRate);
  }
  return 0;
}

RebateGiven rebates(const TaxCase& c, Rupees totalIncome, Rupees tax) {
  RebateGiven out;
  for (const Rebate& r : c.rules.rebates) {
    const Rupees left = tax - out.amount;
    if (left <= 0) break;
    if (!claims(r, c) || (r.incomeLimit > 0 && totalIncome > r.incomeLimit)) continue;
    out.amount += r.max > 0 ? std::min(left, r.max) : left;
    out.sections += (out.sections.empty() ? "" : " and ") + std::string(r.section);
  }
  return out;
}

const SurchargeBands& surchargeBandsFor(const YearRules& r, Status status) {
  switch (status) {
    case Status::Individual:
    case Status::Huf:
      return r.surchargeIndividualHuf;
    case Status::CooperativeSociety:
      return r.surchargeCooperative;
    case Status::Firm:
      return r.surchargeFirm;
    case Status::Company:
      return r.surchargeCompany;
  }
  return r.surchargeIndividualHuf;
}

Rupees surcharge(Rupees income, Rupees tax, const SurchargeBands& bands, const std::function<Rupees(Rupees)>& taxAt) {
  int band = -1;
  for (size_t i = 0; i < bands.size(); ++i)
    if (income > bands[i].above) band = static_cast<int>(i);
  if (band < 0 || tax <= 0) return 0;
  const auto& b = bands[static_cast<size_t>(band)];
  const Rupees atRate = percentOf(tax, b.rate);
  // A surcharge on every income has no threshold to relieve.
  if (b.above == 0) return atRate;
  // At the threshold itself the band below (if any) is the one charged.
  const Rupees taxAtThreshold = taxAt(b.above);
  const Rupees dueAtThreshold = taxAtThreshold + surcharge(b.above, taxAtThreshold, bands, taxAt);
  const Rupees relief = income - b.above + dueAtThreshold - tax;
  return std::max<Rupees>(0, std::min(atRate, relief));
}

TaxFigures computeTax(const TaxCase& c, const Incomes& incomes, Rupees bookProfit) {
  const YearRules& r = c.rules;
  const Rupees totalIncome = incomes.total();
  Rupees normal = incomes.normal;
  Rupees ltcg = incomes.ltcg;
  Rupees stcg = incomes.stcg111a;

  Rupees normalTax = 0;
  if (slabPath(c.status)) {
    // A resident individual or HUF may use the unused part of the exemption
    // limit against the gains at special rates, long-term gain first.
    const Rupees e = params::exemptionLimit(c.scale);
    for (Rupees* gain : {&ltcg, &stcg}) {
      if (normal >= e) break;
      const Rupees shortfall = e - normal;
      if (shortfall >= *gain) {
        normal += *gain;
        *gain = 0;
      } else {
        *gain -= shortfall;
        break;
      }
    }
    if (incomes.agricultural > r.agriculturalFloor && normal > e) {
      normalTax = scaleTax(normal + incomes.agricultural, c.scale) - scaleTax(e + incomes.agricultural, c.scale);
    } else {
      normalTax = scaleTax(normal, c.scale);
    }
  } else {
    normalTax = normalRateTax(normal, c);
  }

  TaxFigures f;
  f.tax = normalTax + percentOf(ltcg, r.ltcgRate) + percentOf(stcg, r.stcg111aRate) +
          percentOf(incomes.casual, r.casualRate);
  f.rebate = rebates(c, totalIncome, f.tax);
  const SurchargeBands& bands = surchargeBandsFor(r, c.status);
  const Rupees afterRebate = f.tax - f.rebate.amount;
  f.surcharge = surcharge(totalIncome, afterRebate, bands, [&c](Rupees i) { return normalRateTax(i, c); });
  f.educationCess = cess(afterRebate + f.surcharge, r.educationCess);
  f.sheCess = cess(afterRebate + f.surcharge, r.sheCess);
  f.totalTax = afterRebate + f.surcharge + f.educationCess + f.sheCess;

  // MAT reaches every company; AMT the other statuses in the years Chapter
  // XII-BA covers them, an individual or HUF only above the limit of s.115JEE(2).
  const bool company = c.status == Status::Company;
  const bool amtExempt = slabPath(c.status) && bookProfit <= r.amtIndividualLimit;
  const bool matApplies = company || (r.amtForNonCompany && !amtExempt);
  if (matApplies && bookProfit > 0) {
    TaxFigures m;
    const BasisPoints rate = company ? r.matRate : r.amtRate;
    m.tax = percentOf(bookProfit, rate);
    m.surcharge = surcharge(bookProfit, m.tax, bands, [rate](Rupees i) { return percentOf(i, rate); });
    m.educationCess = cess(m.tax + m.surcharge, r.educationCess);
    m.sheCess = cess(m.tax + m.surcharge, r.sheCess);
    m.totalTax = m.tax + m.surcharge + m.educationCess + m.sheCess;
    m.matApplied = true;
    // The comparison is of the whole tax each way, surcharge and cess included.
    if (m.totalTax > f.totalTax) return m;
  }
  return f;
}

}  // namespace meridian::forms::estimator
