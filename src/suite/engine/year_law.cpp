#include "suite/engine/year_law.h"

#include "suite/year_params/year_params.h"

namespace meridian::engine {
namespace {

namespace key = params::key;

YearLaw read(const params::YearParams& p, int y) {
  const auto rs = [&p, y](params::AmountParam k) { return Money::rupees(p.amount(k, y)); };
  YearLaw l;
  l.year = y;
  l.seniorAge = p.count(key::seniorAge, y);
  l.verySeniorAge = p.count(key::verySeniorAge, y);
  l.general = p.scale(key::slabGeneral, y);
  l.woman = p.scale(key::slabWoman, y);
  l.senior = p.scale(key::slabSenior, y);
  l.verySenior = p.scale(key::slabVerySenior, y);
  l.cooperative = p.scale(key::slabCooperative, y);
  l.firmRate = p.rate(key::firmRate, y);
  l.companyRate = p.rate(key::companyRate, y);
  l.companySmallRate = p.rate(key::companySmallRate, y);
  l.agriculturalFloor = rs(key::agriculturalFloor);
  l.ltcgRate = p.rate(key::ltcgRate, y);
  l.ltcgWithoutIndexationRate = p.rate(key::ltcgWithoutIndexationRate, y);
  l.stcg111aRate = p.rate(key::stcg111aRate, y);
  l.winningsRate = p.rate(key::casualRate, y);
  l.dividend115bbdaRate = p.rate(key::dividend115bbdaRate, y);
  l.dividend115bbdaThreshold = rs(key::dividend115bbdaThreshold);
  l.dividend115bbdaIndividual = p.flag(key::dividend115bbdaIndividual, y);
  l.dividend115bbdaHuf = p.flag(key::dividend115bbdaHuf, y);
  l.dividend115bbdaFirm = p.flag(key::dividend115bbdaFirm, y);
  l.unexplained115bbeRate = p.rate(key::unexplained115bbeRate, y);
  l.unexplained115bbeSurcharge = p.rate(key::unexplained115bbeSurcharge, y);
  l.unexplainedSetOffBarred = p.flag(key::unexplained115bbeSetOffBarred, y);
  if (const Money limit = rs(key::rebate87aIncomeLimit); limit > Money())
    l.rebates.push_back({"87A", tax::Rebate::Who::individual, limit, rs(key::rebate87aMax)});
  l.surchargeIndividual = p.surcharge(key::surchargeIndividualHuf, y);
  l.surchargeCooperative = p.surcharge(key::surchargeCooperative, y);
  l.surchargeFirm = p.surcharge(key::surchargeFirm, y);
  l.surchargeCompany = p.surcharge(key::surchargeCompany, y);
  l.educationCess = p.rate(key::educationCess, y);
  l.sheCess = p.rate(key::sheCess, y);
  l.matRate = p.rate(key::matRate, y);
  l.amtRate = p.rate(key::amtRate, y);
  l.amtForNonCompany = p.flag(key::amtApplies, y);
  l.amtIndividualLimit = rs(key::amtIndividualLimit);
  l.matCreditYears = p.count(key::creditYearsMat, y);
  l.amtCreditYears = p.count(key::creditYearsAmt, y);

  l.entertainmentCap = rs(key::entertainmentDeductionCap);
  l.hpStandardDeduction = p.rate(key::hpStandardDeduction, y);
  l.selfOccupiedCap = rs(key::selfOccupiedInterestCap);
  l.selfOccupiedCapOldLoan = rs(key::selfOccupiedInterestCapOldLoan);
  l.p44adRate = p.rate(key::presumptive44adRate, y);
  l.p44adDigitalRate = p.rate(key::presumptive44adDigitalRate, y);
  l.p44adaRate = p.rate(key::presumptive44adaRate, y);
  l.p44adTurnoverLimit = rs(key::presumptive44adTurnover);
  l.p44adaReceiptsLimit = rs(key::presumptive44adaReceipts);
  l.p44aeHeavyPerMonth = rs(key::presumptive44aeHeavy);
  l.p44aeOtherPerMonth = rs(key::presumptive44aeOther);
  l.p44aeHeavyPerTon = rs(key::presumptive44aeHeavyPerTon);
  l.p44aeMaxVehicles = p.count(key::presumptive44aeVehicles, y);
  l.familyPensionCap = rs(key::familyPensionCap);
  l.minorChildExemption = rs(key::minorChildExemption);

  l.carryBusiness = p.count(key::carryForwardBusiness, y);
  l.carrySpeculation = p.count(key::carryForwardSpeculation, y);
  l.carryCapital = p.count(key::carryForwardCapital, y);
  l.carryHouseProperty = p.count(key::carryForwardHouseProperty, y);
  l.carryRaceHorses = p.count(key::carryForwardRaceHorses, y);

  l.limit80cce = rs(key::limit80cGroup);
  l.limit80ccd1a = rs(key::limit80ccd1a);
  l.limit80ccd1b = rs(key::limit80ccd1b);
  l.share80ccd = p.rate(key::limit80ccdSalaryShare, y);
  l.limit80ccg = rs(key::limit80ccg);
  l.income80ccg = rs(key::income80ccg);
  l.share80ccg = p.rate(key::share80ccg, y);
  l.limit80dGeneral = rs(key::limit80dGeneral);
  l.limit80dSenior = rs(key::limit80dSenior);
  l.limit80dd = rs(key::limit80dd);
  l.limit80ddSevere = rs(key::limit80ddSevere);
  l.limit80u = rs(key::limit80u);
  l.limit80uSevere = rs(key::limit80uSevere);
  l.limit80ddb = rs(key::limit80ddb);
  l.limit80ddbSenior = rs(key::limit80ddbSenior);
  l.limit80ddbVerySenior = rs(key::limit80ddbVerySenior);
  l.limit80ee = rs(key::limit80ee);
  l.limit80tta = rs(key::limit80tta);
  l.limit80qqb = rs(key::limit80qqb);
  l.limit80rrb = rs(key::limit80rrb);
  l.monthly80gg = rs(key::monthly80gg);
  l.incomeShare80gg = p.rate(key::incomeShare80gg, y);
  l.rentExcess80gg = p.rate(key::rentExcessShare80gg, y);
  l.qualifying80g = p.rate(key::qualifyingShare80g, y);

  l.advanceTaxLimit = rs(key::advanceTaxLimit);
  l.seniorWithoutBusinessExempt = p.flag(key::seniorWithoutBusinessExempt, y);
  l.companySchedule = p.schedule(key::scheduleCompany, y);
  l.othersSchedule = p.schedule(key::scheduleOthers, y);
  l.presumptive44adSchedule = p.schedule(key::schedulePresumptive44ad, y);
  l.interest234a = p.rate(key::interest234aMonthly, y);
  l.interest234b = p.rate(key::interest234bMonthly, y);
  l.interest234c = p.rate(key::interest234cMonthly, y);
  l.paidShare234b = p.rate(key::advancePaidShare234b, y);
  l.interestRounding = p.amount(key::interestRounding, y);
  l.provisoFirstBusiness234c = p.flag(key::provisoFirstBusiness234c, y);
  return l;
}

}  // namespace

const YearLaw* lawOf(int y) {
  static const std::vector<YearLaw> years = [] {
    const auto& p = params::YearParams::shipped();
    std::vector<YearLaw> out;
    for (int year = kFirstComputedYear; year <= kLastComputedYear; ++year) out.push_back(read(p, year));
    return out;
  }();
  if (y < kFirstComputedYear || y > kLastComputedYear) return nullptr;
  return &years[static_cast<size_t>(y - kFirstComputedYear)];
}

}  // namespace meridian::engine
