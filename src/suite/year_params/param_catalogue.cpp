#include "suite/year_params/param_catalogue.h"

#include <algorithm>

namespace meridian::params {
namespace {

// Bounds wide enough for any figure the Acts of these years gave, narrow
// enough to catch a slip of a digit or a percentage typed as a fraction.
constexpr std::int64_t kCrore = 10'000'000;
constexpr std::int64_t kTaxRateMax = 4000;   // no income-tax rate of these years exceeds 40 %
constexpr std::int64_t kSurchargeMax = 5000;
constexpr std::int64_t kCessMax = 500;
constexpr std::int64_t kMonthlyInterestMax = 300;
constexpr int kComputationFrom = 2013;  // returns are computed from A.Y. 2013-14

// Handles and the table share the key text, so a handle cannot name a key the
// table lacks.
template <Kind K>
constexpr ParamSpec declare(Param<K> p, std::int64_t min, std::int64_t max, int firstYear, std::string_view meaning) {
  return {p.key, K, min, max, firstYear, meaning};
}

}  // namespace

const std::vector<ParamSpec>& catalogue() {
  using namespace key;
  static const std::vector<ParamSpec> specs = {
      declare(seniorAge, 55, 80, kFirstYear, "age from which a resident individual is a senior citizen"),
      declare(verySeniorAge, 0, 100, kFirstYear, "age of a very senior citizen (0: no such class)"),
      declare(slabGeneral, 0, kTaxRateMax, kFirstYear, "scale of individuals, HUFs, AOPs and BOIs"),
      declare(slabWoman, 0, kTaxRateMax, kFirstYear, "scale of a resident woman below the senior age (none: general)"),
      declare(slabSenior, 0, kTaxRateMax, kFirstYear, "scale of a resident senior citizen (none: general)"),
      declare(slabVerySenior, 0, kTaxRateMax, kFirstYear, "scale of a resident very senior citizen (none: senior)"),
      declare(slabCooperative, 0, kTaxRateMax, kFirstYear, "scale of co-operative societies"),
      declare(firmRate, 1000, kTaxRateMax, kFirstYear, "rate on the total income of a firm"),
      declare(companyRate, 1000, kTaxRateMax, kFirstYear, "rate on the total income of a domestic company"),
      declare(companySmallRate, 0, kTaxRateMax, kFirstYear, "reduced rate of a domestic company within the turnover limit (0: none)"),
      declare(agriculturalFloor, 0, 100'000, kFirstYear, "net agricultural income above which it is integrated for the rate"),
      declare(ltcgRate, 0, kTaxRateMax, kFirstYear, "long-term capital gain u/s 112"),
      declare(stcg111aRate, 0, kTaxRateMax, kFirstYear, "short-term capital gain u/s 111A"),
      declare(casualRate, 0, kTaxRateMax, kFirstYear, "winnings u/s 115BB"),
      declare(dividend115bbdaRate, 0, kTaxRateMax, kFirstYear, "dividends from domestic companies above the threshold u/s 115BBDA (0: not in force)"),
      declare(dividend115bbdaThreshold, 0, 10 * kCrore, kFirstYear, "dividends from domestic companies a year that stay exempt before s.115BBDA charges the rest"),
      declare(dividend115bbdaIndividual, 0, 1, kFirstYear, "s.115BBDA reaches a resident individual"),
      declare(dividend115bbdaHuf, 0, 1, kFirstYear, "s.115BBDA reaches a resident HUF"),
      declare(dividend115bbdaFirm, 0, 1, kFirstYear, "s.115BBDA reaches a resident firm"),
      declare(unexplained115bbeRate, 0, 6000, kFirstYear, "unexplained credits, investments, money and expenditure u/s 115BBE (0: not in force)"),
      declare(unexplained115bbeSurcharge, 0, kTaxRateMax, kFirstYear, "surcharge on the tax u/s 115BBE in place of the bands' (0: the bands')"),
      declare(unexplained115bbeSetOffBarred, 0, 1, kFirstYear, "no loss is set off against income taxed u/s 115BBE"),
      declare(rebate87aIncomeLimit, 0, 10 * kCrore, kFirstYear, "total income up to which s.87A applies (0: not in force)"),
      declare(rebate87aMax, 0, 100'000, kFirstYear, "largest rebate u/s 87A"),
      declare(rebate88bMax, 0, 100'000, kFirstYear, "largest rebate u/s 88B to a senior citizen (0: not in force)"),
      declare(rebate88cMax, 0, 100'000, kFirstYear, "largest rebate u/s 88C to a woman below the senior age (0: not in force)"),
      declare(rebate88dIncomeLimit, 0, 10 * kCrore, kFirstYear, "total income up to which s.88D rebates the whole tax (0: not in force)"),
      declare(surchargeIndividualHuf, 0, kSurchargeMax, kFirstYear, "surcharge of individuals, HUFs, AOPs and BOIs"),
      declare(surchargeCooperative, 0, kSurchargeMax, kFirstYear, "surcharge of co-operative societies"),
      declare(surchargeFirm, 0, kSurchargeMax, kFirstYear, "surcharge of firms"),
      declare(surchargeCompany, 0, kSurchargeMax, kFirstYear, "surcharge of domestic companies"),
      declare(educationCess, 0, kCessMax, kFirstYear, "education cess on tax and surcharge"),
      declare(sheCess, 0, kCessMax, kFirstYear, "secondary and higher education cess (0: not levied)"),
      declare(matRate, 0, kTaxRateMax, kFirstYear, "minimum alternate tax on book profit u/s 115JB"),
      declare(amtApplies, 0, 1, kFirstYear, "alternate minimum tax reaches every non-corporate assessee"),
      declare(amtRate, 0, kTaxRateMax, kFirstYear, "alternate minimum tax on adjusted total income u/s 115JC"),
      declare(amtIndividualLimit, 0, 10 * kCrore, kFirstYear, "adjusted total income up to which an individual, HUF, AOP or BOI pays no AMT"),
      declare(advanceTaxLimit, 0, 1'000'000, kFirstYear, "advance tax is payable when the tax is this or more (s.208)"),
      declare(seniorWithoutBusinessExempt, 0, 1, kFirstYear, "a resident senior citizen without business income pays no advance tax"),
      declare(scheduleCompany, 0, 12, kFirstYear, "advance-tax instalments of companies"),
      declare(scheduleOthers, 0, 12, kFirstYear, "advance-tax instalments of other assessees"),
      declare(interestRounding, 1, 1000, kFirstYear, "amounts bearing interest are rounded down to a multiple of this"),
      declare(interest234aMonthly, 0, kMonthlyInterestMax, kFirstYear, "interest u/s 234A per month"),
      declare(interest234bMonthly, 0, kMonthlyInterestMax, kFirstYear, "interest u/s 234B per month"),
      declare(interest234cMonthly, 0, kMonthlyInterestMax, kFirstYear, "interest u/s 234C per month"),
      declare(provisoFirstBusiness234c, 0, 1, kFirstYear,
              "the proviso to s.234C(1) reaches business income arising for the first time"),
      declare(hpStandardDeduction, 0, 5000, kFirstYear, "deduction u/s 24(a) from the annual value"),
      declare(familyPensionCap, 0, 1'000'000, kFirstYear, "largest deduction u/s 57(iia) from family pension"),
      declare(minorChildExemption, 0, 100'000, kFirstYear, "exemption u/s 10(32) for each minor child whose income is clubbed"),
      declare(limit80cGroup, 0, 10'000'000, kComputationFrom, "aggregate limit of ss.80C, 80CCC and 80CCD(1) (s.80CCE)"),
      declare(limit80ccd1b, 0, 10'000'000, kComputationFrom, "further deduction u/s 80CCD(1B) (0: not in force)"),
      declare(limit80dGeneral, 0, 1'000'000, kComputationFrom, "s.80D limit for an insured below the senior age"),
      declare(limit80dSenior, 0, 1'000'000, kComputationFrom, "s.80D limit for a senior citizen insured"),
      declare(limit80dCheckup, 0, 1'000'000, kComputationFrom, "preventive health check-up within the s.80D limit"),
      declare(limit80dVerySeniorMedical, 0, 1'000'000, kComputationFrom, "medical expenditure of an uninsured very senior citizen (0: not in force)"),
      declare(limit80tta, 0, 1'000'000, kComputationFrom, "deduction u/s 80TTA on savings interest"),
      declare(presumptive44adRate, 0, 10000, kComputationFrom, "presumptive profit u/s 44AD on turnover"),
      declare(presumptive44adTurnover, 0, 100 * kCrore, kComputationFrom, "turnover limit of s.44AD"),
      declare(presumptive44adaRate, 0, 10000, kComputationFrom, "presumptive profit u/s 44ADA on gross receipts (0: not in force)"),
      declare(presumptive44adaReceipts, 0, 100 * kCrore, kComputationFrom, "gross receipts limit of s.44ADA"),
      declare(presumptive44aeHeavy, 0, 1'000'000, kComputationFrom, "s.44AE income per heavy goods vehicle per month"),
      declare(presumptive44aeOther, 0, 1'000'000, kComputationFrom, "s.44AE income per other goods vehicle per month"),
      declare(presumptive44aeVehicles, 1, 100, kComputationFrom, "goods carriages owned at most for s.44AE"),
      declare(carryForwardBusiness, 1, 99, kComputationFrom, "years a business loss is carried forward (s.72(3))"),
      declare(carryForwardSpeculation, 1, 99, kComputationFrom, "years a speculation loss is carried forward (s.73(4))"),
      declare(carryForwardCapital, 1, 99, kComputationFrom, "years a capital loss is carried forward (s.74)"),
      declare(carryForwardHouseProperty, 1, 99, kComputationFrom, "years a house-property loss is carried forward (s.71B)"),
      declare(carryForwardRaceHorses, 1, 99, kComputationFrom, "years a loss of owning race horses is carried forward (s.74A(3))"),
      declare(entertainmentDeductionCap, 0, 100'000, kComputationFrom, "largest deduction for entertainment allowance u/s 16(ii)"),
      declare(selfOccupiedInterestCap, 0, 10'000'000, kComputationFrom, "interest on a self-occupied house u/s 24(b), loan from 1 April 1999"),
      declare(selfOccupiedInterestCapOldLoan, 0, 10'000'000, kComputationFrom, "interest on a self-occupied house u/s 24(b), loan before 1 April 1999"),
      declare(ltcgWithoutIndexationRate, 0, kTaxRateMax, kComputationFrom, "long-term gain taken without indexation (s.112(1) proviso)"),
      declare(presumptive44adDigitalRate, 0, 10000, kComputationFrom, "s.44AD profit on turnover received through banks"),
      declare(presumptive44aeHeavyPerTon, 0, 1'000'000, kComputationFrom, "s.44AE income per ton of a heavy goods vehicle per month (0: charged per vehicle)"),
      declare(limit80ccdSalaryShare, 0, 10000, kComputationFrom, "s.80CCD contributions allowed up to this share of salary"),
      declare(limit80ccg, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80CCG"),
      declare(share80ccg, 0, 10000, kComputationFrom, "share of the investment allowed u/s 80CCG"),
      declare(income80ccg, 0, 100 * kCrore, kComputationFrom, "gross total income up to which s.80CCG is allowed"),
      declare(limit80dd, 0, 10'000'000, kComputationFrom, "deduction u/s 80DD for a dependant with disability"),
      declare(limit80ddSevere, 0, 10'000'000, kComputationFrom, "deduction u/s 80DD for a dependant with severe disability"),
      declare(limit80u, 0, 10'000'000, kComputationFrom, "deduction u/s 80U for a person with disability"),
      declare(limit80uSevere, 0, 10'000'000, kComputationFrom, "deduction u/s 80U for a person with severe disability"),
      declare(limit80ddb, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80DDB"),
      declare(limit80ddbSenior, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80DDB for a senior citizen"),
      declare(limit80ddbVerySenior, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80DDB for a very senior citizen"),
      declare(limit80ee, 0, 10'000'000, kComputationFrom, "deduction u/s 80EE on interest of a first home loan (0: not in force)"),
      declare(monthly80gg, 0, 1'000'000, kComputationFrom, "s.80GG: largest deduction per month of rent"),
      declare(incomeShare80gg, 0, 10000, kComputationFrom, "s.80GG: largest deduction as a share of total income"),
      declare(rentExcessShare80gg, 0, 10000, kComputationFrom, "s.80GG: rent counts above this share of total income"),
      declare(qualifyingShare80g, 0, 10000, kComputationFrom, "s.80G(4): qualifying limit as a share of adjusted gross total income"),
      declare(limit80qqb, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80QQB"),
      declare(limit80rrb, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80RRB"),
      declare(creditYearsMat, 1, 99, kComputationFrom, "years a credit of MAT is carried forward (s.115JAA)"),
      declare(creditYearsAmt, 1, 99, kComputationFrom, "years a credit of AMT is carried forward (s.115JD)"),
      declare(advancePaidShare234b, 0, 10000, kComputationFrom, "s.234B: interest runs when advance tax paid is below this share of assessed tax"),
      declare(longTermMonthsGeneral, 1, 120, kComputationFrom, "months after which a capital asset held is long-term"),
      declare(longTermMonthsListed, 1, 120, kComputationFrom, "months after which a listed security, a unit of UTI or of an equity-oriented fund is long-term"),
      declare(longTermMonthsUnlistedShare, 1, 120, kComputationFrom, "months after which a share not listed is long-term"),
      declare(longTermMonthsDebtFund, 1, 120, kComputationFrom, "months after which a unit of a fund other than an equity-oriented fund is long-term"),
      declare(unitsWithoutIndexation, 0, 1, kComputationFrom, "the lower rate of s.112(1) proviso on a unit's gain before indexation"),
      declare(limit54ec, 0, 100 * kCrore, kComputationFrom, "largest investment exempt u/s 54EC in a financial year"),
      declare(limit80ccd1a, 0, 10'000'000, kComputationFrom, "s.80CCD(1A): largest deduction u/s 80CCD(1) of its own (0: none)"),
      declare(schedulePresumptive44ad, 0, 12, kComputationFrom, "advance-tax instalments of an assessee declaring income u/s 44AD"),
  };
  return specs;
}

const ParamSpec* findSpec(std::string_view k) {
  const auto& all = catalogue();
  auto it = std::find_if(all.begin(), all.end(), [k](const ParamSpec& s) { return s.key == k; });
  return it == all.end() ? nullptr : &*it;
}

}  // namespace meridian::params
