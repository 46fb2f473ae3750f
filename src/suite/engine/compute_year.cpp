#include "suite/engine/compute_year.h"

#include <algorithm>

#include "common/years.h"
#include "suite/engine/alternate_tax.h"
#include "suite/engine/chapter_via.h"
#include "suite/engine/heads.h"
#include "suite/engine/instalment_tax.h"
#include "suite/engine/interest.h"
#include "suite/engine/set_off.h"
#include "suite/engine/tax_on_income.h"
#include "suite/tax/age_class.h"

namespace meridian::engine {
namespace {

IncomePots headsOf(const YearResult& r) {
  IncomePots p;
  for (const auto& s : r.salaries) p.salary += s.income;
  p.salary += r.clubbed.included(ClubbedHead::salary);
  for (const auto& h : r.houses) p.houseProperty += h.income;
  p.houseProperty += r.clubbed.included(ClubbedHead::houseProperty);
  p.business = r.business.ordinary + r.clubbed.included(ClubbedHead::business);
  p.speculation = r.business.speculation;
  p.otherSources = r.otherSources.normal;
  p.apart = r.otherSources.apart;
  p.stcgOther = r.capitalGains.stcgOther;
  p.ltcgIndexed = r.capitalGains.ltcgIndexed;
  p.stcg111a = r.capitalGains.stcg111a;
  p.ltcgWithoutIndexation = r.capitalGains.ltcgWithoutIndexation;
  return p;
}

CapitalGainsInput withPassThrough(CapitalGainsInput gains, const PassThroughIncome& passed) {
  gains.stcgOther += passed.shortTerm;
  gains.ltcgIndexed += passed.longTerm;
  return gains;
}

// Relief u/s 89, 90 and 91, in that order, never above the tax left.
void applyRelief(const YearInput& in, YearResult& r) {
  Money room = std::max(Money(), r.taxAfterCredit);
  const auto take = [&room](Money claim) {
    const Money given = std::min(std::max(Money(), claim.roundedToRupee()), room);
    room -= given;
    return given;
  };
  r.relief89 = take(in.relief89);
  r.relief90 = take(in.relief90);
  r.relief91 = take(in.relief91);
}

Money sumOf(const std::vector<DatedPayment>& payments) {
  Money m;
  for (const auto& p : payments) m += p.amount;
  return m.roundedToRupee();
}

const YearLaw& lawFor(const YearInput& in) {
  const YearLaw* law = lawOf(in.year);
  if (!law)
    throw CannotCompute("returns are computed for A.Y. " + assessmentYearText(kFirstComputedYear) + " to " +
                        assessmentYearText(kLastComputedYear) + ", not " + assessmentYearText(in.year));
  return *law;
}

}  // namespace

YearResult netTaxOf(const YearInput& in) {
  const YearLaw* law = &lawFor(in);
  YearResult r;
  r.year = in.year;
  r.ageClass = in.status == Status::individual ? tax::ageClass(in.dob, in.year, law->seniorAge, law->verySeniorAge) : 0;

  for (const auto& s : in.salaries) r.salaries.push_back(salaryOf(s, *law));
  r.houses = housesOf(in.houses, *law);
  r.business = businessOf(in, *law);
  r.clubbed = clubbedIncomeOf(in.clubbed, *law);
  r.capitalGains = capitalGainsOf(withPassThrough(withClubbedGains(in.capitalGains, r.clubbed), in.passThrough));
  r.otherSources = otherSourcesOf(in, *law);
  r.heads = headsOf(r);
  // ss.115UA(3), 115UB(1): the unit holder's share of a trust's or fund's
  // income from house property is already computed there; it joins the head
  // as it stands, without a second s.24.
  r.passThrough = in.passThrough;
  r.heads.houseProperty += in.passThrough.houseProperty;
  r.agricultural = in.agricultural;
  r.memberShares = memberSharesOf(in);
  r.exemptIncome = r.business.firmShareExempt + r.memberShares.exempt + r.clubbed.totalExempt() + in.passThrough.exempt;

  const CivilDate due = in.dueDate.value_or(defaultDueDate(in));
  const bool filedLate = in.filingDate && *in.filingDate > due;
  r.setOff = setOffLosses(r.heads, r.capitalGains, in, *law, filedLate);
  r.grossTotalIncome = r.setOff.afterBroughtForward.total();
  r.exportDeductions = exportDeductions(in.exportUnits, in.year, r.setOff.afterBroughtForward.business);
  IncomePots afterExport = r.setOff.afterBroughtForward;
  afterExport.business -= r.exportDeductions.total;

  // The return shows the gross total income before ss.10A/10AA; for Chapter
  // VI-A it is the total income before that Chapter (s.80B(5)), after them.
  DeductionBase base;
  base.grossTotalIncome = r.grossTotalIncome - r.exportDeductions.total;
  base.specialIncome = r.setOff.afterBroughtForward.atSpecialRates();
  base.salary = r.setOff.afterBroughtForward.salary;
  base.savingsInterest = in.otherSources.savingsInterest;
  base.ageClass = r.ageClass;
  r.deductions = chapterVIA(in, base, *law);
  Money partC;
  for (const auto& d : r.deductions) {
    r.deductionsTotal += d.allowed;
    if (d.partC && d.section != "80P") partC += d.allowed;
  }

  const TaxableParts parts = taxableParts(afterExport, r.deductionsTotal);
  r.totalIncome = parts.total();
  r.tax = taxOnTotalIncome(parts, in, *law, r.ageClass);
  r.alternate = alternateTax(in, *law, r.totalIncome, partC + r.exportDeductions.of(ExportSection::s10aa),
                             r.tax.liability());
  r.grossTaxPayable = r.alternate.payable ? r.alternate.total() : r.tax.liability();
  r.taxAfterCredit = r.grossTaxPayable - r.alternate.creditUsed;
  applyRelief(in, r);
  r.netTax = r.taxAfterCredit - r.relief();
  return r;
}

YearResult computeYear(const YearInput& in) {
  const YearLaw& law = lawFor(in);
  YearResult r = netTaxOf(in);
  r.tds = in.taxesPaid.tds.roundedToRupee();
  r.tcs = in.taxesPaid.tcs.roundedToRupee();
  r.advanceTax = sumOf(in.taxesPaid.advance);
  r.selfAssessmentTax = sumOf(in.taxesPaid.selfAssessment);
  const bool business = !r.heads.business.isZero() || !r.business.speculation.isZero() ||
                        !r.business.specified.isZero();
  InterestBase base{r.netTax, r.ageClass, business};
  base.instalmentTax = instalmentTaxes(in, r.netTax);
  base.presumptive44ad = r.business.applied44ad;
  r.interest = interestOn(in, law, base);
  r.balance = r.netTax + r.interest.total() - r.taxesPaid();
  return r;
}

}  // namespace meridian::engine
