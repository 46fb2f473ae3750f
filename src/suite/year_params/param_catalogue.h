#pragma once
// Every yearly parameter the program reads, declared once: its key in the
// shipped data (data/params/), its shape, the bounds a value must keep and the
// first assessment year it has a value for. The data may hold no key that is
// not declared here, and every key declared here must have data.
#include <cstdint>
#include <string_view>
#include <vector>

namespace meridian::params {

// The assessment years the shipped data covers (first calendar years: 2005 is
// A.Y. 2005-06). A parameter may start later; none may stop earlier.
inline constexpr int kFirstYear = 2005;
inline constexpr int kLatestYear = 2017;

enum class Kind { amount, rate, count, flag, scale, surcharge, schedule };

struct ParamSpec {
  std::string_view key;
  Kind kind;
  // Bounds of an amount, rate or count, and of each rate inside a scale or
  // band list (amount bounds for thresholds are not checked beyond rising).
  std::int64_t min;
  std::int64_t max;
  int firstYear;
  std::string_view meaning;
};

const std::vector<ParamSpec>& catalogue();
const ParamSpec* findSpec(std::string_view key);

// Typed handles, so that a reader cannot ask for a rate as an amount.
template <Kind K>
struct Param {
  std::string_view key;
};
using AmountParam = Param<Kind::amount>;
using RateParam = Param<Kind::rate>;
using CountParam = Param<Kind::count>;
using FlagParam = Param<Kind::flag>;
using ScaleParam = Param<Kind::scale>;
using SurchargeParam = Param<Kind::surcharge>;
using ScheduleParam = Param<Kind::schedule>;

namespace key {
// Age classes of individuals.
inline constexpr CountParam seniorAge{"age.senior"};
inline constexpr CountParam verySeniorAge{"age.very_senior"};

// Scales of Part I of the First Schedule of each year's Finance Act.
inline constexpr ScaleParam slabGeneral{"slab.individual"};
inline constexpr ScaleParam slabWoman{"slab.individual.woman"};
inline constexpr ScaleParam slabSenior{"slab.individual.senior"};
inline constexpr ScaleParam slabVerySenior{"slab.individual.very_senior"};
inline constexpr ScaleParam slabCooperative{"slab.cooperative"};
inline constexpr RateParam firmRate{"rate.firm"};
inline constexpr RateParam companyRate{"rate.domestic_company"};
inline constexpr RateParam companySmallRate{"rate.domestic_company.small"};
inline constexpr AmountParam agriculturalFloor{"agricultural.integration_floor"};

// Incomes at special rates.
inline constexpr RateParam ltcgRate{"rate.ltcg_112"};
inline constexpr RateParam stcg111aRate{"rate.stcg_111a"};
inline constexpr RateParam casualRate{"rate.casual_115bb"};
// Dividends from domestic companies above the threshold (s.115BBDA), and
// the persons resident in India it reaches.
inline constexpr RateParam dividend115bbdaRate{"rate.dividend_115bbda"};
inline constexpr AmountParam dividend115bbdaThreshold{"dividend_115bbda.threshold"};
inline constexpr FlagParam dividend115bbdaIndividual{"dividend_115bbda.individual"};
inline constexpr FlagParam dividend115bbdaHuf{"dividend_115bbda.huf"};
inline constexpr FlagParam dividend115bbdaFirm{"dividend_115bbda.firm"};
// Unexplained cash credits, investments, money and expenditure (s.115BBE).
inline constexpr RateParam unexplained115bbeRate{"rate.unexplained_115bbe"};
inline constexpr RateParam unexplained115bbeSurcharge{"unexplained_115bbe.surcharge"};
inline constexpr FlagParam unexplained115bbeSetOffBarred{"unexplained_115bbe.set_off_barred"};

// Rebates of Chapter VIII-A.
inline constexpr AmountParam rebate87aIncomeLimit{"rebate.87a.income_limit"};
inline constexpr AmountParam rebate87aMax{"rebate.87a.max"};
inline constexpr AmountParam rebate88bMax{"rebate.88b.max"};
inline constexpr AmountParam rebate88cMax{"rebate.88c.max"};
inline constexpr AmountParam rebate88dIncomeLimit{"rebate.88d.income_limit"};

// Surcharge bands by status, and the cesses.
inline constexpr SurchargeParam surchargeIndividualHuf{"surcharge.individual_huf"};
inline constexpr SurchargeParam surchargeCooperative{"surcharge.cooperative"};
inline constexpr SurchargeParam surchargeFirm{"surcharge.firm"};
inline constexpr SurchargeParam surchargeCompany{"surcharge.domestic_company"};
inline constexpr RateParam educationCess{"cess.education"};
inline constexpr RateParam sheCess{"cess.secondary_higher"};

// Minimum alternate tax (companies) and alternate minimum tax (the others).
inline constexpr RateParam matRate{"rate.mat_115jb"};
inline constexpr FlagParam amtApplies{"amt.all_non_corporate"};
inline constexpr RateParam amtRate{"rate.amt_115jc"};
inline constexpr AmountParam amtIndividualLimit{"amt.individual_limit"};

// Advance tax and interest.
inline constexpr AmountParam advanceTaxLimit{"advance_tax.limit"};
inline constexpr FlagParam seniorWithoutBusinessExempt{"advance_tax.senior_exempt"};
inline constexpr ScheduleParam scheduleCompany{"advance_tax.schedule.company"};
inline constexpr ScheduleParam scheduleOthers{"advance_tax.schedule.others"};
inline constexpr AmountParam interestRounding{"interest.shortfall_rounding"};
inline constexpr RateParam interest234aMonthly{"interest.234a.monthly"};
inline constexpr RateParam interest234bMonthly{"interest.234b.monthly"};
inline constexpr RateParam interest234cMonthly{"interest.234c.monthly"};
inline constexpr FlagParam provisoFirstBusiness234c{"interest.234c.proviso.first_business"};

// Heads of income.
inline constexpr RateParam hpStandardDeduction{"deduction.24a.rate"};
inline constexpr AmountParam familyPensionCap{"deduction.57iia.cap"};
inline constexpr AmountParam minorChildExemption{"exemption.10_32.per_child"};

// Chapter VI-A and presumptive income, read by the computation of a return.
inline constexpr AmountParam limit80cGroup{"deduction.80cce.limit"};
inline constexpr AmountParam limit80ccd1b{"deduction.80ccd_1b.limit"};
inline constexpr AmountParam limit80dGeneral{"deduction.80d.general"};
inline constexpr AmountParam limit80dSenior{"deduction.80d.senior"};
inline constexpr AmountParam limit80dCheckup{"deduction.80d.preventive_checkup"};
inline constexpr AmountParam limit80dVerySeniorMedical{"deduction.80d.very_senior_medical"};
inline constexpr AmountParam limit80tta{"deduction.80tta.limit"};
inline constexpr RateParam presumptive44adRate{"presumptive.44ad.rate"};
inline constexpr AmountParam presumptive44adTurnover{"presumptive.44ad.turnover_limit"};
inline constexpr RateParam presumptive44adaRate{"presumptive.44ada.rate"};
inline constexpr AmountParam presumptive44adaReceipts{"presumptive.44ada.receipts_limit"};
inline constexpr AmountParam presumptive44aeHeavy{"presumptive.44ae.heavy_per_month"};
inline constexpr AmountParam presumptive44aeOther{"presumptive.44ae.other_per_month"};
inline constexpr CountParam presumptive44aeVehicles{"presumptive.44ae.max_vehicles"};

// Losses carried forward: assessment years a loss may be carried.
inline constexpr CountParam carryForwardBusiness{"setoff.carry_years.business"};
inline constexpr CountParam carryForwardSpeculation{"setoff.carry_years.speculation"};
inline constexpr CountParam carryForwardCapital{"setoff.carry_years.capital_gain"};
inline constexpr CountParam carryForwardHouseProperty{"setoff.carry_years.house_property"};
inline constexpr CountParam carryForwardRaceHorses{"setoff.carry_years.race_horses"};

// Read by the computation of returns only (A.Y. 2013-14 on).
inline constexpr AmountParam entertainmentDeductionCap{"deduction.16ii.cap"};
inline constexpr AmountParam selfOccupiedInterestCap{"deduction.24b.self_occupied_cap"};
inline constexpr AmountParam selfOccupiedInterestCapOldLoan{"deduction.24b.self_occupied_cap.before_1999"};
inline constexpr RateParam ltcgWithoutIndexationRate{"rate.ltcg_112.without_indexation"};
inline constexpr RateParam presumptive44adDigitalRate{"presumptive.44ad.digital_rate"};
inline constexpr AmountParam presumptive44aeHeavyPerTon{"presumptive.44ae.heavy_per_ton_month"};

// Capital gains: months after which an asset held is long-term (s.2(42A)) by
// kind, the lower rate on the gain before indexation for units (s.112(1)
// proviso), the largest investment exempt u/s 54EC.
inline constexpr CountParam longTermMonthsGeneral{"capital_gain.long_term_months.general"};
inline constexpr CountParam longTermMonthsListed{"capital_gain.long_term_months.listed_security"};
inline constexpr CountParam longTermMonthsUnlistedShare{"capital_gain.long_term_months.unlisted_share"};
inline constexpr CountParam longTermMonthsDebtFund{"capital_gain.long_term_months.debt_fund_unit"};
inline constexpr FlagParam unitsWithoutIndexation{"capital_gain.without_indexation.units"};
inline constexpr AmountParam limit54ec{"capital_gain.54ec.limit"};
inline constexpr RateParam limit80ccdSalaryShare{"deduction.80ccd.salary_share"};
inline constexpr AmountParam limit80ccg{"deduction.80ccg.limit"};
inline constexpr RateParam share80ccg{"deduction.80ccg.share"};
inline constexpr AmountParam income80ccg{"deduction.80ccg.income_limit"};
inline constexpr AmountParam limit80dd{"deduction.80dd.limit"};
inline constexpr AmountParam limit80ddSevere{"deduction.80dd.severe"};
inline constexpr AmountParam limit80u{"deduction.80u.limit"};
inline constexpr AmountParam limit80uSevere{"deduction.80u.severe"};
inline constexpr AmountParam limit80ddb{"deduction.80ddb.limit"};
inline constexpr AmountParam limit80ddbSenior{"deduction.80ddb.senior"};
inline constexpr AmountParam limit80ddbVerySenior{"deduction.80ddb.very_senior"};
inline constexpr AmountParam limit80ee{"deduction.80ee.limit"};
inline constexpr AmountParam monthly80gg{"deduction.80gg.per_month"};
inline constexpr RateParam incomeShare80gg{"deduction.80gg.income_share"};
inline constexpr RateParam rentExcessShare80gg{"deduction.80gg.rent_over_income_share"};
inline constexpr RateParam qualifyingShare80g{"deduction.80g.qualifying_share"};
inline constexpr AmountParam limit80qqb{"deduction.80qqb.limit"};
inline constexpr AmountParam limit80rrb{"deduction.80rrb.limit"};
inline constexpr CountParam creditYearsMat{"credit.carry_years.115jaa"};
inline constexpr CountParam creditYearsAmt{"credit.carry_years.115jd"};
inline constexpr RateParam advancePaidShare234b{"interest.234b.paid_share"};
inline constexpr AmountParam limit80ccd1a{"deduction.80ccd_1a.limit"};
inline constexpr ScheduleParam schedulePresumptive44ad{"advance_tax.schedule.presumptive_44ad"};
}  // namespace key

}  // namespace meridian::params
