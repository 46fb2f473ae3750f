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
constexpr ParamSpec spec(Param<K> p, std::int64_t min, std::int64_t max, int firstYear, std::string_view meaning) {
  return {p.key, K, min, max, firstYear, meaning};
}

}  // namespace

const std::vector<ParamSpec>& catalogue() {
  using namespace key;
  static const std::vector<ParamSpec> specs = {
      spec(seniorAge, 55, 80, kFirstYear, "age from which a resident individual is a senior citizen"),
      spec(verySeniorAge, 0, 100, kFirstYear, "age of a very senior citizen (0: no such class)"),
      spec(slabGeneral, 0, kTaxRateMax, kFirstYear, "scale of individuals, HUFs, AOPs and BOIs"),
      spec(slabWoman, 0, kTaxRateMax, kFirstYear, "scale of a resident woman below the senior age (none: general)"),
      spec(slabSenior, 0, kTaxRateMax, kFirstYear, "scale of a resident senior citizen (none: general)"),
      spec(slabVerySenior, 0, kTaxRateMax, kFirstYear, "scale of a resident very senior citizen (none: senior)"),
      spec(slabCooperative, 0, kTaxRateMax, kFirstYear, "scale of co-operative societies"),
      spec(firmRate, 1000, kTaxRateMax, kFirstYear, "rate on the total income of a firm"),
      spec(companyRate, 1000, kTaxRateMax, kFirstYear, "rate on the total income of a domestic company"),
      spec(companySmallRate, 0, kTaxRateMax, kFirstYear, "reduced rate of a domestic company within the turnover limit (0: none)"),
      spec(agriculturalFloor, 0, 100'000, kFirstYear, "net agricultural income above which it is integrated for the rate"),
      spec(ltcgRate, 0, kTaxRateMax, kFirstYear, "long-term capital gain u/s 112"),
      spec(stcg111aRate, 0, kTaxRateMax, kFirstYear, "short-term capital gain u/s 111A"),
      spec(casualRate, 0, kTaxRateMax, kFirstYear, "winnings u/s 115BB"),
      spec(rebate87aIncomeLimit, 0, 10 * kCrore, kFirstYear, "total income up to which s.87A applies (0: not in force)"),
      spec(rebate87aMax, 0, 100'000, kFirstYear, "largest rebate u/s 87A"),
      spec(rebate88bMax, 0, 100'000, kFirstYear, "largest rebate u/s 88B to a senior citizen (0: not in force)"),
      spec(rebate88cMax, 0, 100'000, kFirstYear, "largest rebate u/s 88C to a woman below the senior age (0: not in force)"),
      spec(rebate88dIncomeLimit, 0, 10 * kCrore, kFirstYear, "total income up to which s.88D rebates the whole tax (0: not in force)"),
      spec(surchargeIndividualHuf, 0, kSurchargeMax, kFirstYear, "surcharge of individuals, HUFs, AOPs and BOIs"),
      spec(surchargeCooperative, 0, kSurchargeMax, kFirstYear, "surcharge of co-operative societies"),
      spec(surchargeFirm, 0, kSurchargeMax, kFirstYear, "surcharge of firms"),
      spec(surchargeCompany, 0, kSurchargeMax, kFirstYear, "surcharge of domestic companies"),
      spec(educationCess, 0, kCessMax, kFirstYear, "education cess on tax and surcharge"),
      spec(sheCess, 0, kCessMax, kFirstYear, "secondary and higher education cess (0: not levied)"),
      spec(matRate, 0, kTaxRateMax, kFirstYear, "minimum alternate tax on book profit u/s 115JB"),
      spec(amtApplies, 0, 1, kFirstYear, "alternate minimum tax reaches every non-corporate assessee"),
      spec(amtRate, 0, kTaxRateMax, kFirstYear, "alternate minimum tax on adjusted total income u/s 115JC"),
      spec(amtIndividualLimit, 0, 10 * kCrore, kFirstYear, "adjusted total income up to which an individual, HUF, AOP or BOI pays no AMT"),
      spec(advanceTaxLimit, 0, 1'000'000, kFirstYear, "advance tax is payable when the tax is this or more (s.208)"),
      spec(seniorWithoutBusinessExempt, 0, 1, kFirstYear, "a resident senior citizen without business income pays no advance tax"),
      spec(scheduleCompany, 0, 12, kFirstYear, "advance-tax instalments of companies"),
      spec(scheduleOthers, 0, 12, kFirstYear, "advance-tax instalments of other assessees"),
      spec(interestRounding, 1, 1000, kFirstYear, "amounts bearing interest are rounded down to a multiple of this"),
      spec(interest234aMonthly, 0, kMonthlyInterestMax, kFirstYear, "interest u/s 234A per month"),
      spec(interest234bMonthly, 0, kMonthlyInterestMax, kFirstYear, "interest u/s 234B per month"),
      spec(interest234cMonthly, 0, kMonthlyInterestMax, kFirstYear, "interest u/s 234C per month"),
      spec(hpStandardDeduction, 0, 5000, kFirstYear, "deduction u/s 24(a) from the annual value"),
      spec(familyPensionCap, 0, 1'000'000, kFirstYear, "largest deduction u/s 57(iia) from family pension"),
      spec(minorChildExemption, 0, 100'000, kFirstYear, "exemption u/s 10(32) for each minor child whose income is clubbed"),
      spec(limit80cGroup, 0, 10'000'000, kComputationFrom, "aggregate limit of ss.80C, 80CCC and 80CCD(1) (s.80CCE)"),
      spec(limit80ccd1b, 0, 10'000'000, kComputationFrom, "further deduction u/s 80CCD(1B) (0: not in force)"),
      spec(limit80dGeneral, 0, 1'000'000, kComputationFrom, "s.80D limit for an insured below the senior age"),
      spec(limit80dSenior, 0, 1'000'000, kComputationFrom, "s.80D limit for a senior citizen insured"),
      spec(limit80dCheckup, 0, 1'000'000, kComputationFrom, "preventive health check-up within the s.80D limit"),
      spec(limit80dVerySeniorMedical, 0, 1'000'000, kComputationFrom, "medical expenditure of an uninsured very senior citizen (0: not in force)"),
      spec(limit80tta, 0, 1'000'000, kComputationFrom, "deduction u/s 80TTA on savings interest"),
      spec(presumptive44adRate, 0, 10000, kComputationFrom, "presumptive profit u/s 44AD on turnover"),
      spec(presumptive44adTurnover, 0, 100 * kCrore, kComputationFrom, "turnover limit of s.44AD"),
      spec(presumptive44adaRate, 0, 10000, kComputationFrom, "presumptive profit u/s 44ADA on gross receipts (0: not in force)"),
      spec(presumptive44adaReceipts, 0, 100 * kCrore, kComputationFrom, "gross receipts limit of s.44ADA"),
      spec(presumptive44aeHeavy, 0, 1'000'000, kComputationFrom, "s.44AE income per heavy goods vehicle per month"),
      spec(presumptive44aeOther, 0, 1'000'000, kComputationFrom, "s.44AE income per other goods vehicle per month"),
      spec(presumptive44aeVehicles, 1, 100, kComputationFrom, "goods carriages owned at most for s.44AE"),
      spec(carryForwardBusiness, 1, 99, kComputationFrom, "years a business loss is carried forward (s.72(3))"),
      spec(carryForwardSpeculation, 1, 99, kComputationFrom, "years a speculation loss is carried forward (s.73(4))"),
      spec(carryForwardCapital, 1, 99, kComputationFrom, "years a capital loss is carried forward (s.74)"),
      spec(carryForwardHouseProperty, 1, 99, kComputationFrom, "years a house-property loss is carried forward (s.71B)"),
      spec(entertainmentDeductionCap, 0, 100'000, kComputationFrom, "largest deduction for entertainment allowance u/s 16(ii)"),
      spec(selfOccupiedInterestCap, 0, 10'000'000, kComputationFrom, "interest on a self-occupied house u/s 24(b), loan from 1 April 1999"),
      spec(selfOccupiedInterestCapOldLoan, 0, 10'000'000, kComputationFrom, "interest on a self-occupied house u/s 24(b), loan before 1 April 1999"),
      spec(ltcgWithoutIndexationRate, 0, kTaxRateMax, kComputationFrom, "long-term gain taken without indexation (s.112(1) proviso)"),
      spec(presumptive44adDigitalRate, 0, 10000, kComputationFrom, "s.44AD profit on turnover received through banks"),
      spec(presumptive44aeHeavyPerTon, 0, 1'000'000, kComputationFrom, "s.44AE income per ton of a heavy goods vehicle per month (0: charged per vehicle)"),
      spec(limit80ccdSalaryShare, 0, 10000, kComputationFrom, "s.80CCD contributions allowed up to this share of salary"),
      spec(limit80ccg, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80CCG"),
      spec(share80ccg, 0, 10000, kComputationFrom, "share of the investment allowed u/s 80CCG"),
      spec(income80ccg, 0, 100 * kCrore, kComputationFrom, "gross total income up to which s.80CCG is allowed"),
      spec(limit80dd, 0, 10'000'000, kComputationFrom, "deduction u/s 80DD for a dependant with disability"),
      spec(limit80ddSevere, 0, 10'000'000, kComputationFrom, "deduction u/s 80DD for a dependant with severe disability"),
      spec(limit80u, 0, 10'000'000, kComputationFrom, "deduction u/s 80U for a person with disability"),
      spec(limit80uSevere, 0, 10'000'000, kComputationFrom, "deduction u/s 80U for a person with severe disability"),
      spec(limit80ddb, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80DDB"),
      spec(limit80ddbSenior, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80DDB for a senior citizen"),
      spec(limit80ddbVerySenior, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80DDB for a very senior citizen"),
      spec(limit80ee, 0, 10'000'000, kComputationFrom, "deduction u/s 80EE on interest of a first home loan (0: not in force)"),
      spec(monthly80gg, 0, 1'000'000, kComputationFrom, "s.80GG: largest deduction per month of rent"),
      spec(incomeShare80gg, 0, 10000, kComputationFrom, "s.80GG: largest deduction as a share of total income"),
      spec(rentExcessShare80gg, 0, 10000, kComputationFrom, "s.80GG: rent counts above this share of total income"),
      spec(qualifyingShare80g, 0, 10000, kComputationFrom, "s.80G(4): qualifying limit as a share of adjusted gross total income"),
      spec(limit80qqb, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80QQB"),
      spec(limit80rrb, 0, 10'000'000, kComputationFrom, "largest deduction u/s 80RRB"),
      spec(creditYearsMat, 1, 99, kComputationFrom, "years a credit of MAT is carried forward (s.115JAA)"),
      spec(creditYearsAmt, 1, 99, kComputationFrom, "years a credit of AMT is carried forward (s.115JD)"),
      spec(advancePaidShare234b, 0, 10000, kComputationFrom, "s.234B: interest runs when advance tax paid is below this share of assessed tax"),
  };
  return specs;
}

const ParamSpec* findSpec(std::string_view k) {
  const auto& all = catalogue();
  auto it = std::find_if(all.begin(), all.end(), [k](const ParamSpec& s) { return s.key == k; });
  return it == all.end() ? nullptr : &*it;
}

}  // namespace meridian::params
