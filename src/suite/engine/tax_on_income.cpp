#include "suite/engine/tax_on_income.h"

#include <algorithm>
#include <tuple>

#include "suite/engine/member_share.h"
#include "suite/tax/rupee_rate.h"
#include "suite/tax/slab_tax.h"
#include "suite/tax/surcharge.h"

namespace meridian::engine {
namespace {

bool residentIndividual(const YearInput& in) {
  return in.status == Status::individual && in.residence != Residence::nonResident;
}

using Working = std::vector<RatedIncome>;

void addSlices(Money income, const params::Scale& scale, Working* working) {
  if (!working) return;
  for (const auto& s : tax::scaleSlices(income, scale))
    working->push_back({RateBasis::slab, s.from, s.upTo, s.open, s.income, s.rate, s.tax});
}

Money flatTax(Money income, params::BasisPoints rate, Working* working) {
  const Money tax = tax::rupeesAtRate(income, rate);
  if (working) working->push_back({RateBasis::flat, Money(), Money(), false, income, rate, tax});
  return tax;
}

// The scale tax with agricultural income joined for the rate: the slices of
// both together, less the tax on the exemption limit and the agricultural
// income (tax::slabTaxWithAgriculture, whose figure this must equal).
Money scaleTaxWithAgriculture(Money income, const YearInput& in, const YearLaw& law, const params::Scale& scale,
                              Working* working) {
  const Money tax = tax::slabTaxWithAgriculture(income, in.agricultural, law.agriculturalFloor, scale);
  const Money limit = tax::rupees(params::exemptionLimit(scale));
  if (in.agricultural <= law.agriculturalFloor || income <= limit) {
    addSlices(income, scale, working);
    return tax;
  }
  addSlices(income + in.agricultural, scale, working);
  if (working)
    working->push_back({RateBasis::agriculturalOffset, Money(), Money(), false, limit + in.agricultural, 0,
                        tax::scaleTax(limit + in.agricultural, scale)});
  return tax;
}

// Tax at normal rates on the part of income that bears them; `working`,
// when given, takes each slice or rate as charged.
Money normalTax(Money income, const YearInput& in, const YearLaw& law, int ageClass, Working* working = nullptr) {
  if (income <= Money()) return Money();
  switch (in.status) {
    case Status::individual:
    case Status::huf:
    case Status::aopBoi:
      return scaleTaxWithAgriculture(income, in, law, scaleOf(in, law, ageClass), working);
    case Status::cooperative:
      addSlices(income, law.cooperative, working);
      return tax::scaleTax(income, law.cooperative);
    case Status::firm:
    case Status::llp:
      return flatTax(income, law.firmRate, working);
    case Status::company:
      return flatTax(income, in.smallCompany && law.companySmallRate > 0 ? law.companySmallRate : law.companyRate,
                     working);
  }
  return Money();
}

// ss.111A(1) and 112(1) provisos: a resident individual or HUF whose income at
// normal rates falls short of the exemption limit takes the shortfall off the
// gains at special rates, the most heavily taxed first.
TaxableParts withShortfallUsed(TaxableParts p, const YearInput& in, const YearLaw& law, int ageClass) {
  const bool resident = in.residence != Residence::nonResident;
  if (!resident || (in.status != Status::individual && in.status != Status::huf)) return p;
  const Money limit = tax::rupees(params::exemptionLimit(scaleOf(in, law, ageClass)));
  for (Money* gain : {&p.ltcgIndexed, &p.stcg111a, &p.ltcgWithoutIndexation}) {
    if (p.normal >= limit) break;
    const Money used = std::min(limit - p.normal, *gain);
    p.normal += used;
    *gain -= used;
  }
  return p;
}

Money taxOnUnexplained(const TaxedApart& a, const YearLaw& law) {
  return tax::rupeesAtRate(a.unexplained115bbe, law.unexplained115bbeRate);
}

// Each income taxed apart at its own rate (ss.115BB, 115BBDA, 115BBE).
Money taxApart(const TaxedApart& a, const YearLaw& law) {
  return tax::rupeesAtRate(a.winnings, law.winningsRate) +
         tax::rupeesAtRate(a.dividends115bbda, law.dividend115bbdaRate) + taxOnUnexplained(a, law);
}

Money taxBeforeRebate(const TaxableParts& parts, const YearInput& in, const YearLaw& law, int ageClass,
                      Money* normalOut = nullptr, Working* working = nullptr) {
  const TaxableParts p = withShortfallUsed(parts, in, law, ageClass);
  const Money normal = normalTax(p.normal, in, law, ageClass, working);
  if (normalOut) *normalOut = normal;
  Money special;
  for (const auto& [basis, income, rate] :
       {std::tuple{RateBasis::ltcgIndexed, p.ltcgIndexed, law.ltcgRate},
        std::tuple{RateBasis::ltcgWithoutIndexation, p.ltcgWithoutIndexation, law.ltcgWithoutIndexationRate},
        std::tuple{RateBasis::stcg111a, p.stcg111a, law.stcg111aRate},
        std::tuple{RateBasis::winnings, p.apart.winnings, law.winningsRate},
        std::tuple{RateBasis::dividend115bbda, p.apart.dividends115bbda, law.dividend115bbdaRate},
        std::tuple{RateBasis::unexplained115bbe, p.apart.unexplained115bbe, law.unexplained115bbeRate}}) {
    const Money tax = tax::rupeesAtRate(income, rate);
    special += tax;
    if (working && income > Money()) working->push_back({basis, Money(), Money(), false, income, rate, tax});
  }
  return normal + special;
}

// The same incomes cut down to `income`, the part at normal rates first: the
// comparison income of marginal relief.
TaxableParts cutTo(TaxableParts p, Money income) {
  Money excess = p.total() - income;
  for (Money* part : {&p.normal, &p.ltcgWithoutIndexation, &p.stcg111a, &p.ltcgIndexed, &p.apart.winnings,
                      &p.apart.dividends115bbda, &p.apart.unexplained115bbe}) {
    const Money cut = std::min(excess, *part);
    *part -= cut;
    excess -= cut;
  }
  return p;
}

}  // namespace

TaxableParts taxableParts(const IncomePots& a, Money deductions) {
  TaxableParts p;
  p.normal = a.salary + a.houseProperty + a.business + a.speculation + a.otherSources + a.stcgOther - deductions;
  p.ltcgIndexed = a.ltcgIndexed;
  p.ltcgWithoutIndexation = a.ltcgWithoutIndexation;
  p.stcg111a = a.stcg111a;
  p.apart = a.apart;
  const Money unrounded = p.total();
  const Money rounded = unrounded > Money() ? unrounded.roundedOffToTens() : Money();
  Money diff = rounded - unrounded;
  for (Money* part : {&p.normal, &p.ltcgWithoutIndexation, &p.stcg111a, &p.ltcgIndexed, &p.apart.winnings,
                      &p.apart.dividends115bbda, &p.apart.unexplained115bbe}) {
    if (diff.isZero()) break;
    const Money step = diff > Money() ? diff : -std::min(-diff, *part);
    *part += step;
    diff -= step;
  }
  return p;
}

const params::Scale& scaleOf(const YearInput& in, const YearLaw& law, int ageClass) {
  static const params::Scale none;
  if (!onIndividualScale(in.status)) return in.status == Status::cooperative ? law.cooperative : none;
  // The senior scales reach resident individuals only.
  if (residentIndividual(in)) {
    if (ageClass >= 2 && !law.verySenior.empty()) return law.verySenior;
    if (ageClass >= 1 && !law.senior.empty()) return law.senior;
    if (in.sex == Sex::female && !law.woman.empty()) return law.woman;
  }
  return law.general;
}

const params::SurchargeBands& surchargeBandsOf(Status s, const YearLaw& law) {
  switch (s) {
    case Status::cooperative:
      return law.surchargeCooperative;
    case Status::firm:
    case Status::llp:
      return law.surchargeFirm;
    case Status::company:
      return law.surchargeCompany;
    default:
      return law.surchargeIndividual;
  }
}

void addCesses(Money taxAndSurcharge, const YearLaw& law, Money& educationCess, Money& sheCess) {
  educationCess = tax::rupeesAtRate(taxAndSurcharge, law.educationCess);
  sheCess = tax::rupeesAtRate(taxAndSurcharge, law.sheCess);
}

TaxFigures taxOnTotalIncome(const TaxableParts& parts, const YearInput& in, const YearLaw& law, int ageClass) {
  TaxFigures f;
  f.normalIncome = parts.normal;
  f.specialIncome = parts.special();
  const Money whole = taxBeforeRebate(parts, in, law, ageClass, &f.taxNormal, &f.working);
  f.taxSpecial = whole - f.taxNormal;
  // s.87A: a resident individual whose total income is within the limit.
  const tax::Claimant who{residentIndividual(in), ageClass, in.sex == Sex::female};
  f.rebate87a = tax::rebates(law.rebates, who, parts.total(), whole).amount;
  f.rebate110 = std::min(whole - f.rebate87a,
                         rebateAtAverageRate(memberSharesOf(in).includedRebated, whole, parts.total()));
  const Money afterRebate = whole - f.rebate87a - f.rebate110;
  // From A.Y. 2017-18 the tax u/s 115BBE bears a surcharge of its own in
  // place of the bands', which are then worked on the rest of the tax.
  const bool ownSurcharge = law.unexplained115bbeSurcharge > 0;
  const Money unexplainedTax = ownSurcharge ? taxOnUnexplained(parts.apart, law) : Money();
  const auto taxAt = [&](Money income) {
    const TaxableParts cut = cutTo(parts, income);
    return taxBeforeRebate(cut, in, law, ageClass) - (ownSurcharge ? taxOnUnexplained(cut.apart, law) : Money());
  };
  f.surcharge = tax::surchargeWithRelief(parts.total(), std::max(Money(), afterRebate - unexplainedTax),
                                         surchargeBandsOf(in.status, law), taxAt) +
                tax::rupeesAtRate(unexplainedTax, law.unexplained115bbeSurcharge);
  addCesses(afterRebate + f.surcharge, law, f.educationCess, f.sheCess);
  return f;
}

}  // namespace meridian::engine
