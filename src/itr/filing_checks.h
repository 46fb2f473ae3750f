#pragma once
// The checks before a return is produced, in the order the return screen
// runs them: each passes, warns (a note, the step goes on), asks (a Yes/No
// question whose No stops), stops (the user goes back to the control named),
// or could not be examined because data it needs is not kept (it says which).
// The screen and `meridian check` both run these.
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "itr/filing_particulars.h"
#include "itr/return_year.h"

namespace meridian::itr {

enum class CheckOutcome { passed, warned, asked, stopped, notExamined };
const char* outcomeName(CheckOutcome o);  // "passed", "warned", "asked", "stopped", "not examined"

struct CheckResult {
  std::string check;    // what was checked, in a few words ("Section of the return")
  CheckOutcome outcome = CheckOutcome::passed;
  std::string message;  // the words shown; "" when passed
  std::string focus;    // the control that takes the focus on a stop or a No
  bool defaultNo = false;        // a question whose default button is No
  std::string sectionOnYes;      // a question whose Yes changes the section to this code
};

struct CheckRequest {
  std::string form;        // "ITR-1" ...
  bool electronic = true;  // the pre-generation checks run for an e-return only
  CivilDate today;
  bool revised = false;    // the data set is a revised return (vrev_Return)
};

// Every check, each with its outcome; nothing is asked or written.
std::vector<CheckResult> runFilingChecks(const ReturnYear& y, const FilingParticulars& f, const CheckRequest& r);

// The first check that stops, if any.
const CheckResult* firstStop(const std::vector<CheckResult>& results);

}  // namespace meridian::itr
