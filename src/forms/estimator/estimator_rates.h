#pragma once
// Year tables of the tax estimator: one row per assessment year with the rates,
// limits and thresholds of that year and the Finance Act that fixed them.
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "forms/estimator/money.h"

namespace meridian::forms::estimator {

// Surcharge applies above `above` of income at `rate`; a scale lists its bands
// in rising order and the highest band exceeded is the one charged.
struct SurchargeBand {
  Rupees above = 0;
  BasisPoints rate = 0;
};
struct SurchargeScale {
  std::array<SurchargeBand, 2> bands{};
  int count = 0;
};

// One step of a progressive scale: `rate` on the slice up to `upTo` (0: no top).
struct ScaleStep {
  Rupees upTo = 0;
  BasisPoints rate = 0;
};

// One due date of an advance-tax schedule. By the date, `cumulative` of the tax
// should have been paid; interest u/s 234C is `interest` of the shortfall and is
// not charged when the amount paid reaches `chargeBelow` (0: always charged).
// A step with cumulative 0 is a date on which nothing falls due.
struct InstalmentStep {
  BasisPoints cumulative = 0;
  BasisPoints chargeBelow = 0;
  BasisPoints interest = 0;
};
struct InstalmentSchedule {
  const char* source;
  std::array<InstalmentStep, 4> steps;
};

struct YearRates {
  int year;                // first calendar year of the A.Y.
  const char* financeAct;  // the Act whose First Schedule, Part I, rates the year

  // Age classes of individuals: the day on which age is judged (1 April of the
  // year, or 31 March), and the ages of class 1 and class 2 (0: no class 2).
  bool ageOnFirstApril;
  int seniorAge;
  int verySeniorAge;

  // Individual and HUF scale: exemption limit E by class, then slab limits.
  Rupees exemptGeneral;
  Rupees exemptWomen;  // 0: women have no limit of their own this year
  Rupees exemptSenior;
  Rupees exemptVerySenior;  // 0: no class 2
  Rupees slab2;
  Rupees slab2Senior;  // S2 for class 1 where it differed, else equal to slab2
  Rupees slab3;

  BasisPoints firmRate;
  BasisPoints companyRate;
  BasisPoints companyReducedRate;  // 0: no reduced rate this year

  BasisPoints ltcgRate;      // s.112
  BasisPoints stcg111aRate;  // s.111A
  BasisPoints casualRate;    // s.115BB

  Rupees rebateIncomeLimit;  // s.87A; 0: no rebate this year
  Rupees rebateMax;

  SurchargeScale surchargeIndividualHuf;
  SurchargeScale surchargeOtherNonCompany;
  SurchargeScale surchargeCompany;

  BasisPoints educationCess;
  BasisPoints sheCess;  // 0: not levied this year

  BasisPoints matRate;     // s.115JB, companies
  bool amtForNonCompany;   // s.115JC reaches every other status

  Rupees advanceTaxLimit;  // s.208: no advance tax when the tax is below this
  const InstalmentSchedule* nonCompanySchedule;
  const InstalmentSchedule* companySchedule;
};

// The co-operative society scale (same in every year of the table).
const std::array<ScaleStep, 3>& cooperativeScale();

// The row of a year of the form's list, or nothing for any other year.
const YearRates* ratesFor(int year);

// Years of the form's list, oldest first (2005 ... 2017).
std::vector<int> supportedYears();
// The same years as the form shows them: "2005-06" ... "2017-18".
std::vector<std::string> assessmentYearTexts();

// A year in which the department moved one due date for the assessees of a state
// hit by a calamity. The form's check box chkResAssInState carries the caption.
struct StateRelaxation {
  int year;
  const char* caption;
  int dueDateIndex;  // 0-based: 1 is the September date, 2 the December date
  std::chrono::year_month_day movedTo;
  bool onlyWhenStoredEarlier;  // keep a stored date that is already later
  int paidThroughPeriods;      // payments of this many periods count by that date
  const char* source;
};
const StateRelaxation* stateRelaxationFor(int year);

}  // namespace meridian::forms::estimator
