#include "forms/estimator/tax_computation.h"

#include <algorithm>

namespace meridian::forms::estimator {
namespace {

constexpr BasisPoints kFirstSlab = 1000;
constexpr BasisPoints kSecondSlab = 2000;
constexpr BasisPoints kTopSlab = 3000;
// Agricultural income is taken into the rate only above this (First Schedule,
// Part I, the rule for partial integration).
constexpr Rupees kAgriculturalFloor = 5000;

bool slabPath(Status s) { return s == Status::Individual || s == Status::Huf; }

Rupees cess(Rupees base, BasisPoints rate) { return rate > 0 ? percentOf(base, rate) : 0; }

}  // namespace

SlabLimits slabLimits(const YearRates& r, Status status, Sex sex, int ageClass) {
  SlabLimits l{r.exemptGeneral, r.slab2, r.slab3};
  if (status != Status::Individual) return l;
  if (ageClass >= 2 && r.exemptVerySenior > 0) {
    l.exemption = r.exemptVerySenior;
  } else if (ageClass >= 1) {
    l.exemption = r.exemptSenior;
    l.slab2 = r.slab2Senior;
  } else if (sex == Sex::Female && r.exemptWomen > 0) {
    l.exemption = r.exemptWomen;
  }
  return l;
}

Rupees slabTax(Rupees income, const SlabLimits& l) {
  if (income <= l.exemption) return 0;
  // With a very senior citizen's limit of 500000 the first slab is empty.
  const Rupees firstTop = std::max(l.slab2, l.exemption);
  const Rupees secondTop = std::max(l.slab3, firstTop);
  if (income <= firstTop) return percentOf(income - l.exemption, kFirstSlab);
  const Rupees first = percentOf(firstTop - l.exemption, kFirstSlab);
  if (income <= secondTop) return percentOf(income - firstTop, kSecondSlab) + first;
  return percentOf(income - secondTop, kTopSlab) + percentOf(secondTop - firstTop, kSecondSlab) + first;
}

TaxCase makeTaxCase(const EstimateInput& in, const YearRates& rates, int ageClass) {
  return TaxCase{rates, in.status, slabLimits(rates, in.status, in.sex, ageClass),
                 in.compTaxRate && in.status == Status::Company && rates.companyReducedRate > 0};
}

Rupees normalRateTax(Rupees income, const TaxCase& c) {
  if (income <= 0) return 0;
  switch (c.status) {
    case Status::Individual:
    case Status::Huf:
      return slabTax(income, c.limits);
    case Status::CooperativeSociety: {
      Rupees tax = 0, from = 0;
      for (const auto& step : cooperativeScale()) {
        const Rupees to = step.upTo == 0 ? income : std::min(income, step.upTo);
        if (to > from) tax += percentOf(to - from, step.rate);
        if (step.upTo == 0 || income <= step.upTo) break;
        from = step.upTo;
      }
      return tax;
    }
    case Status::Firm:
      return percentOf(income, c.rates.firmRate);
    case Status::Company:
      return percentOf(income, c.reducedCompanyRate ? c.rates.companyReducedRate : c.rates.companyRate);
  }
  return 0;
}

Rupees rebate87A(const YearRates& r, Status status, Rupees totalIncome, Rupees tax) {
  if (status != Status::Individual || r.rebateIncomeLimit == 0) return 0;
  if (tax <= 0 || totalIncome > r.rebateIncomeLimit) return 0;
  return std::min(tax, r.rebateMax);
}

const SurchargeScale& surchargeScaleFor(const YearRates& r, Status status) {
  switch (status) {
    case Status::Individual:
    case Status::Huf:
      return r.surchargeIndividualHuf;
    case Status::Company:
      return r.surchargeCompany;
    default:
      return r.surchargeOtherNonCompany;
  }
}

Rupees surcharge(Rupees income, Rupees tax, const SurchargeScale& scale,
                 const std::function<Rupees(Rupees)>& taxAt) {
  int band = -1;
  for (int i = 0; i < scale.count; ++i)
    if (income > scale.bands[i].above) band = i;
  if (band < 0 || tax <= 0) return 0;
  const SurchargeBand& b = scale.bands[band];
  const Rupees atRate = percentOf(tax, b.rate);
  // At the threshold itself the band below (if any) is the one charged.
  const Rupees taxAtThreshold = taxAt(b.above);
  const Rupees dueAtThreshold = taxAtThreshold + surcharge(b.above, taxAtThreshold, scale, taxAt);
  const Rupees relief = income - b.above + dueAtThreshold - tax;
  return std::max<Rupees>(0, std::min(atRate, relief));
}

TaxFigures computeTax(const TaxCase& c, const Incomes& incomes, Rupees bookProfit) {
  const YearRates& r = c.rates;
  const Rupees totalIncome = incomes.total();
  Rupees normal = incomes.normal;
  Rupees ltcg = incomes.ltcg;
  Rupees stcg = incomes.stcg111a;

  Rupees normalTax = 0;
  if (slabPath(c.status)) {
    // A resident individual or HUF may use the unused part of the exemption
    // limit against the gains at special rates, long-term gain first.
    const Rupees e = c.limits.exemption;
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
    if (incomes.agricultural > kAgriculturalFloor && normal > e) {
      normalTax = slabTax(normal + incomes.agricultural, c.limits) - slabTax(e + incomes.agricultural, c.limits);
    } else {
      normalTax = slabTax(normal, c.limits);
    }
  } else {
    normalTax = normalRateTax(normal, c);
  }

  TaxFigures f;
  f.tax = normalTax + percentOf(ltcg, r.ltcgRate) + percentOf(stcg, r.stcg111aRate) +
          percentOf(incomes.casual, r.casualRate);
  f.rebate87A = rebate87A(r, c.status, totalIncome, f.tax);
  const SurchargeScale& scale = surchargeScaleFor(r, c.status);
  const Rupees afterRebate = f.tax - f.rebate87A;
  f.surcharge = surcharge(totalIncome, afterRebate, scale, [&c](Rupees i) { return normalRateTax(i, c); });
  f.educationCess = cess(afterRebate + f.surcharge, r.educationCess);
  f.sheCess = cess(afterRebate + f.surcharge, r.sheCess);
  f.totalTax = afterRebate + f.surcharge + f.educationCess + f.sheCess;

  const bool matApplies = c.status == Status::Company || r.amtForNonCompany;
  if (matApplies && bookProfit > 0) {
    TaxFigures m;
    m.tax = percentOf(bookProfit, r.matRate);
    const BasisPoints rate = r.matRate;
    m.surcharge = surcharge(bookProfit, m.tax, scale, [rate](Rupees i) { return percentOf(i, rate); });
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
