#pragma once
// The rules of one assessment year as the estimator applies them, read from
// the yearly parameters of the tax law (data/params/). Nothing here is a
// figure of its own: every rate, limit and scale comes from the shipped data,
// which names the Act and section behind it.
#include <chrono>
#include <string>
#include <vector>

#include "forms/estimator/money.h"
#include "suite/tax/rebate.h"
#include "suite/year_params/param_values.h"

namespace meridian::forms::estimator {

using params::InstalmentSchedule;
using params::Scale;
using params::SurchargeBands;

// A rebate of Chapter VIII-A, as the computation of returns reads it too.
using meridian::tax::Rebate;

struct YearRules {
  int year = 0;  // first calendar year of the A.Y.

  // Age classes of individuals: class 1 from seniorAge, class 2 from
  // verySeniorAge (0: no class 2 that year).
  int seniorAge = 0;
  int verySeniorAge = 0;

  // Scales; an empty one means the class takes the general scale that year.
  Scale general, woman, senior, verySenior, cooperative;
  BasisPoints firmRate = 0;
  BasisPoints companyRate = 0;
  BasisPoints companyReducedRate = 0;  // 0: no reduced rate this year
  Rupees agriculturalFloor = 0;

  BasisPoints ltcgRate = 0;      // s.112
  BasisPoints stcg111aRate = 0;  // s.111A
  BasisPoints casualRate = 0;    // s.115BB

  std::vector<Rebate> rebates;  // in the order the Act applies them

  SurchargeBands surchargeIndividualHuf, surchargeCooperative, surchargeFirm, surchargeCompany;
  BasisPoints educationCess = 0;
  BasisPoints sheCess = 0;

  BasisPoints matRate = 0;         // s.115JB, companies
  bool amtForNonCompany = false;   // Chapter XII-BA reaches every other status
  BasisPoints amtRate = 0;         // s.115JC
  Rupees amtIndividualLimit = 0;   // s.115JEE(2): no AMT up to this adjusted total income

  Rupees advanceTaxLimit = 0;          // s.208: payable when the tax is this or more
  bool seniorWithoutBusinessExempt = false;  // s.207(2)
  InstalmentSchedule companySchedule, othersSchedule;
  BasisPoints interest234cMonthly = 0;
  Rupees interestRounding = 1;  // Rule 119A(b)

  BasisPoints hpStandardDeduction = 0;  // s.24(a)
  Rupees familyPensionCap = 0;          // s.57(iia)
  Rupees minorChildExemption = 0;       // s.10(32), per child
};

// The rules of a year the shipped data covers, or nothing for any other year.
// Throws params::InvalidParams when the shipped data is not sound.
const YearRules* rulesFor(int year);

// Years the estimator offers, oldest first, and the same as the form shows them.
std::vector<int> supportedYears();
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
