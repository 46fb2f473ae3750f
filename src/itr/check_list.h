#pragma once
// Collects the results of the checks before a return, in the order they run;
// each check adds one result. Shared by the files that hold the checks.
#include <initializer_list>
#include <string>
#include <vector>

#include "itr/filing_checks.h"

namespace meridian::itr {

inline const char* const kCrLf = "\r\n";
inline const std::string kTwoLines = std::string(kCrLf) + kCrLf;

inline bool isOneOf(const std::string& form, std::initializer_list<const char*> forms) {
  for (const char* f : forms)
    if (form == f) return true;
  return false;
}

class Checks {
 public:
  explicit Checks(std::vector<CheckResult>& out) : out_(out) {}
  // `why`: where a check passes by the way the data is kept, the reason.
  void pass(const std::string& check, const std::string& why = "") {
    out_.push_back({check, CheckOutcome::passed, why, ""});
  }
  void stop(const std::string& check, const std::string& message, const std::string& focus) {
    out_.push_back({check, CheckOutcome::stopped, message, focus});
  }
  void ask(const std::string& check, const std::string& message, const std::string& focus, bool defaultNo = false,
           const std::string& sectionOnYes = "") {
    out_.push_back({check, CheckOutcome::asked, message, focus, defaultNo, sectionOnYes});
  }
  void warn(const std::string& check, const std::string& message) {
    out_.push_back({check, CheckOutcome::warned, message, ""});
  }
  void notExamined(const std::string& check, const std::string& why) {
    out_.push_back({check, CheckOutcome::notExamined, why, ""});
  }

 private:
  std::vector<CheckResult>& out_;
};

// The checks that read the heads' schedules (capital gains, presumptive
// income, Chapter VI-A, tax credits) and those whose schedules this program
// does not keep; each adds its results to `c`.
void scheduleChecks(Checks& c, const ReturnYear& y, const CheckRequest& r);
// The sections and previous years of the capital gains deemed to arise in the year.
void deemedGainsCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// ITR-7: the income chargeable u/s 11(4) entered in the application of
// funds against the business head's income beyond the undertaking's accounts.
void trustBusinessCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// Schedule FSI against the relief claimed, the form's heads and the heads' income.
void foreignIncomeCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// Schedule 5A against the form and its own figures.
void schedule5ACheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// Schedule 5A and the trust's income u/s 11(4), after the presumptive income.
void schedulesAfterPresumptiveChecks(Checks& c, const ReturnYear& y, const CheckRequest& r);
// ITR-5's partners and members, and the method of a company's book profit.
void membersAndBookProfitChecks(Checks& c, const ReturnYear& y, const CheckRequest& r);
// The business schedule, after the tax on distributions.
void businessScheduleChecks(Checks& c, const ReturnYear& y, const CheckRequest& r);
// Whether each of a company's distributions is a dividend or a buy-back.
void distributionKindCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// The fixed-asset chart's blocks and rates (ITR-4, ITR-5, ITR-6).
void depreciationChartCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
void depreciationDebitedCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// A company's directors' DIN (General Information -> Key Persons).
void keyPersonsCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// An LLP's partners' DPIN, after the partners' shares and status.
void designatedPartnersCheck(Checks& c, const ReturnYear& y, const CheckRequest& r);
// Tax on a company's distributions, after Schedule AL.
void distributionChecks(Checks& c, const ReturnYear& y, const CheckRequest& r);

}  // namespace meridian::itr
