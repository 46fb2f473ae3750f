#pragma once
// What the tax estimator (form frmrevcalc) takes and what it gives back.
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "forms/estimator/money.h"

namespace meridian::forms::estimator {

enum class Status { Individual, Huf, CooperativeSociety, Firm, Company };
enum class Sex { Male, Female };

// The five advance-tax periods of the form: up to the first due date, between
// the due dates, and from the day after the last due date to 31 March.
inline constexpr int kPaymentPeriods = 5;
inline constexpr int kDueDates = 4;

struct EstimateInput {
  int year = 0;  // first calendar year of the A.Y.: 2016 for 2016-17
  Status status = Status::Individual;
  Sex sex = Sex::Male;
  std::optional<std::chrono::year_month_day> dob;

  Rupees salary = 0;
  Rupees hpLetOut = 0;        // annual value of let-out property
  Rupees hpDeductions = 0;    // deductions other than the 30 % of s.24(a), positive
  Rupees hpSelfOccupied = 0;  // interest on a self-occupied house, positive
  Rupees businessOrdinary = 0;
  Rupees businessSpeculation = 0;
  Rupees ltcg20 = 0;
  Rupees stcg111a = 0;
  Rupees stcgOthers = 0;
  Rupees other = 0;
  Rupees casual = 0;
  Rupees familyPension = 0;
  Rupees agricultural = 0;
  int children = 0;
  Rupees minorIncome = 0;

  Rupees bfHp = 0;
  Rupees bfBusinessOrdinary = 0;
  Rupees bfBusinessSpeculation = 0;
  Rupees bfLtcg = 0;
  Rupees bfStcg = 0;
  Rupees bfUnabsorbedDepreciation = 0;

  Rupees deductionsVia = 0;
  Rupees bookProfit = 0;  // book profit (company) or adjusted total income (others)
  Rupees tds = 0;
  std::array<Rupees, kPaymentPeriods> advancePaid{};

  bool compTaxRate = false;    // turnover of the company within the 29 % limit
  bool resAssInState = false;  // assessee in the state given relief that year
  std::optional<Rupees> desiredTax;
};

// The four due dates of the A.Y. as stored (table AdvTaxDueDt) or defaulted.
struct InstalmentDates {
  std::array<std::chrono::year_month_day, kDueDates> dates;
};

struct InstalmentRow {
  std::string period;  // "Upto 15/06", "16/06 to 15/09", ..., "16/03 to 31/03"
  std::chrono::year_month_day dueDate;  // the last row carries 31 March
  Rupees due = 0;       // instalment falling due on this date
  Rupees paid = 0;      // advance tax paid in this period
  Rupees interest = 0;  // interest u/s 234C for this date
};

// Either the income found or the reason it could not be found.
struct RequiredIncome {
  std::optional<Rupees> income;
  std::string message;
};

struct EstimateResult {
  Rupees totalIncome = 0;
  Rupees tax = 0;
  Rupees rebate = 0;          // Chapter VIII-A: s.87A, or ss.88B, 88C, 88D in A.Y. 2005-06
  std::string rebateSections;  // "87A", "88B and 88D"; empty without a rebate
  Rupees surcharge = 0;
  Rupees educationCess = 0;
  Rupees sheCess = 0;
  Rupees totalTax = 0;
  Rupees interest234C = 0;
  Rupees payable = 0;
  bool matApplied = false;  // the MAT/AMT figure replaced the normal tax
  std::vector<InstalmentRow> instalments;
  std::optional<std::string> noLiabilityMessage;  // lines separated by '\n'
  std::optional<RequiredIncome> requiredIncome;   // only when a desired tax is given
};

}  // namespace meridian::forms::estimator
