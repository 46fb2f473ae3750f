#include "suite/engine/result_context.h"

#include <algorithm>

namespace meridian::engine {
namespace {

Money lossOf(Money m) { return m < Money() ? -m : Money(); }

LossVars lossVarsOf(const YearResult& r, const YearLaw& law) {
  LossVars v;
  v.houseProperty = lossOf(r.heads.houseProperty);
  v.business = lossOf(r.heads.business);
  v.speculation = lossOf(r.heads.speculation);
  v.otherSources = lossOf(r.heads.otherSources);
  for (const LossRow& row : r.setOff.rows) {
    if (row.currentYear <= Money()) continue;
    if (row.part == LossPart::shortTerm) v.shortTerm = row.currentYear;
    if (row.part == LossPart::longTerm) v.longTerm = row.currentYear;
    if (row.part == LossPart::houseProperty) v.housePropertyNotAbsorbed = row.currentYear - row.setOff;
  }
  // A loss from other sources is never carried; what the year could not
  // absorb is the loss less the incomes it met.
  if (v.otherSources > Money()) {
    // Incomes taxed apart take no such loss, but for unexplained income before
    // the bar of s.115BBE(2).
    const Money open = law.unexplainedSetOffBarred ? Money() : r.heads.apart.unexplained115bbe;
    const Money others = r.heads.total() - r.heads.otherSourcesWhole() + open;
    v.otherSourcesNotAbsorbed = std::max(Money(), v.otherSources - std::max(Money(), others));
  }
  return v;
}

}  // namespace

ResultContext resultContextOf(const YearResult& r, const YearLaw& law) {
  ResultContext c;
  const bool alternate = r.alternate.payable;
  c.vTot_ITTAX = alternate ? r.alternate.tax : r.tax.tax();
  c.vRebtUs87A = alternate ? Money() : r.tax.rebate87a;
  c.vRebt_Tot = alternate ? Money() : r.tax.rebate87a + r.tax.rebate110;
  const Money surcharge = alternate ? r.alternate.surcharge : r.tax.surcharge;
  c.VEducess = alternate ? r.alternate.educationCess + r.alternate.sheCess : r.tax.educationCess + r.tax.sheCess;
  c.vShEduCess = alternate ? r.alternate.sheCess : r.tax.sheCess;
  c.vSurcharge = surcharge + c.VEducess;
  c.vRel89 = r.relief89;
  c.vRel90 = r.relief90;
  c.vRel91 = r.relief91;
  c.vTotRelief = r.relief();
  c.vGrossRelAmts = {r.relief89, r.relief90, Money(), r.relief91};
  c.vAD_Tax1 = r.interest.s234a;
  c.vAD_Tax2 = r.interest.s234b;
  c.vAD_Tax3 = r.interest.s234c;
  c.vAD_Tax5 = r.tax.specialIncome;
  c.vAD_Tax6 = r.tax.taxNormal;
  c.vAD_Tax7 = r.tax.taxSpecial;
  c.vINT_Payable = r.interest.total();
  c.Vall_tds_tot = r.tds + r.tcs;
  c.vall_tcs_tot = r.tcs;
  c.Vtot_adv_tax = r.advanceTax;
  c.vtot_self_tax = r.selfAssessmentTax;
  c.vi_tax_tot = r.balance;
  c.VChVIADedTot = r.deductionsTotal;
  c.vDedUs10A_AA = r.exportDeductions.total;
  for (const auto& d : r.deductions) c.vDedVars.push_back({d.section, d.claimed, d.allowed});
  c.vdedcnt = static_cast<int>(c.vDedVars.size());
  c.vRoundedOffToNearest10 = c.vTot_Tax_Inc = r.totalIncome;
  c.vSpIncInGTI = r.setOff.afterBroughtForward.atSpecialRates();
  c.VHouseVars = r.houses;
  c.vTotHouNos = static_cast<int>(r.houses.size());
  c.vsalvars = r.salaries;
  c.vTotEmpNos = static_cast<int>(r.salaries.size());
  c.VBusVars = r.business;
  const auto& o = r.otherSources;
  c.vOthVars = {o.interest, o.dividend, o.familyPension, o.familyPensionDeduction, o.other, o.apart.winnings, Money()};
  c.vLossVars = lossVarsOf(r, law);
  c.vAgri_Var = r.agricultural;
  c.vEX_Income = r.exemptIncome;
  if (r.alternate.kind == AlternateKind::mat) c.vArrVals115JB = r.alternate;
  if (r.alternate.kind == AlternateKind::amt) c.vArrVals115JC = r.alternate;
  c.vArrValsAdvTaxInt.rows = r.interest.instalments;
  if (r.interest.owed == AdvanceTaxOwed::belowLimit) c.vArrValsAdvTaxInt.status = "BELOWLIMIT";
  if (r.interest.owed == AdvanceTaxOwed::seniorWithoutBusiness) c.vArrValsAdvTaxInt.status = "SENIOR";
  c.vGetRate44AE = {law.p44aeHeavyPerMonth, law.p44aeHeavyPerTon, law.p44aeOtherPerMonth};
  return c;
}

}  // namespace meridian::engine
