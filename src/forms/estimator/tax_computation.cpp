#include "forms/estimator/tax_computation.h"

#include <algorithm>

#include "suite/tax/rebate.h"
#include "suite/tax/slab_tax.h"
#include "suite/tax/surcharge.h"

namespace meridian::forms::estimator {
namespace {

bool slabPath(Status s) { return s == Status::Individual || s == Status::Huf; }

Rupees cess(Rupees base, BasisPoints rate) { return rate > 0 ? percentOf(base, rate) : 0; }

Money money(Rupees r) { return Money::rupees(r); }

}  // namespace

const Scale& scaleFor(const YearRules& r, Status status, Sex sex, int ageClass) {
  if (status != Status::Individual) return r.general;
  if (ageClass >= 2 && !r.verySenior.empty()) return r.verySenior;
  if (ageClass >= 1 && !r.senior.empty()) return r.senior;
  if (ageClass == 0 && sex == Sex::Female && !r.woman.empty()) return r.woman;
  return r.general;
}

Rupees scaleTax(Rupees income, const Scale& scale) { return meridian::tax::scaleTax(money(income), scale).wholeRupees(); }

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
  // The estimator's assessee is resident; its rebates reach individuals only.
  const meridian::tax::Claimant who{c.status == Status::Individual, c.ageClass, c.sex == Sex::Female};
  const meridian::tax::RebateGiven given = meridian::tax::rebates(c.rules.rebates, who, money(totalIncome), money(tax));
  return {given.amount.wholeRupees(), given.sections};
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
  const auto taxAtMoney = [&taxAt](Money i) { return money(taxAt(i.wholeRupees())); };
  return meridian::tax::surchargeWithRelief(money(income), money(tax), bands, taxAtMoney).wholeRupees();
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
    normalTax = meridian::tax::slabTaxWithAgriculture(money(normal), money(incomes.agricultural), money(r.agriculturalFloor),
                                            c.scale)
                    .wholeRupees();
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
