#pragma once
// The law of one assessment year as the computation of returns applies it,
// read from the yearly parameters (data/params/), the same rows the estimator
// reads. No figure here is the code's own.
#include <vector>

#include "common/money.h"
#include "suite/tax/rebate.h"
#include "suite/year_params/param_values.h"

namespace meridian::engine {

using params::BasisPoints;

// The years returns are computed for.
inline constexpr int kFirstComputedYear = 2013;
inline constexpr int kLastComputedYear = 2017;

struct YearLaw {
  int year = 0;
  int seniorAge = 0, verySeniorAge = 0;
  params::Scale general, woman, senior, verySenior, cooperative;
  BasisPoints firmRate = 0, companyRate = 0, companySmallRate = 0;
  Money agriculturalFloor;
  BasisPoints ltcgRate = 0, ltcgWithoutIndexationRate = 0, stcg111aRate = 0, winningsRate = 0;
  // s.115BBDA: dividends from domestic companies above the threshold, for
  // the resident persons it reaches (rate 0: not in force).
  BasisPoints dividend115bbdaRate = 0;
  Money dividend115bbdaThreshold;
  bool dividend115bbdaIndividual = false, dividend115bbdaHuf = false, dividend115bbdaFirm = false;
  // s.115BBE: the rate on unexplained income, the surcharge on that tax in
  // place of the surcharge of the bands (0: none), and whether losses may
  // still be set off against the income.
  BasisPoints unexplained115bbeRate = 0, unexplained115bbeSurcharge = 0;
  bool unexplainedSetOffBarred = false;
  std::vector<tax::Rebate> rebates;
  params::SurchargeBands surchargeIndividual, surchargeCooperative, surchargeFirm, surchargeCompany;
  BasisPoints educationCess = 0, sheCess = 0;
  BasisPoints matRate = 0, amtRate = 0;
  bool amtForNonCompany = false;
  Money amtIndividualLimit;
  int matCreditYears = 0, amtCreditYears = 0;

  // Heads of income.
  Money entertainmentCap;
  BasisPoints hpStandardDeduction = 0;
  Money selfOccupiedCap, selfOccupiedCapOldLoan;
  BasisPoints p44adRate = 0, p44adDigitalRate = 0, p44adaRate = 0;
  Money p44adTurnoverLimit, p44adaReceiptsLimit;
  Money p44aeHeavyPerMonth, p44aeOtherPerMonth, p44aeHeavyPerTon;
  int p44aeMaxVehicles = 0;
  Money familyPensionCap, minorChildExemption;

  // Losses: assessment years each kind may be carried (0: no limit).
  int carryBusiness = 0, carrySpeculation = 0, carryCapital = 0, carryHouseProperty = 0, carryRaceHorses = 0;

  // Chapter VI-A.
  Money limit80cce, limit80ccd1b;
  Money limit80ccd1a;  // s.80CCD(1) on its own (A.Y. 2015-16 only); 0: no limit of its own
  BasisPoints share80ccd = 0;
  Money limit80ccg, income80ccg;
  BasisPoints share80ccg = 0;
  Money limit80dGeneral, limit80dSenior;
  Money limit80dd, limit80ddSevere, limit80u, limit80uSevere;
  Money limit80ddb, limit80ddbSenior, limit80ddbVerySenior;
  Money limit80ee, limit80tta, limit80qqb, limit80rrb;
  Money monthly80gg;
  BasisPoints incomeShare80gg = 0, rentExcess80gg = 0, qualifying80g = 0;

  // Advance tax and interest.
  Money advanceTaxLimit;
  bool seniorWithoutBusinessExempt = false;
  params::InstalmentSchedule companySchedule, othersSchedule;
  params::InstalmentSchedule presumptive44adSchedule;  // s.211(1)(b): one who declares income u/s 44AD
  BasisPoints interest234a = 0, interest234b = 0, interest234c = 0, paidShare234b = 0;
  params::Amount interestRounding = 1;
  bool provisoFirstBusiness234c = false;  // s.234C(1), proviso, clause (c)
};

// The law of a computed year; nothing for a year outside them.
const YearLaw* lawOf(int year);

}  // namespace meridian::engine
