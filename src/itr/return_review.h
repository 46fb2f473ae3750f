#pragma once
// A client year reviewed as the return screen reviews it before producing a
// return: the forms that apply and why the others do not, the form chosen,
// and the result of every check. `meridian check` prints this as JSON; the
// screen shows the same.
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "itr/filing_checks.h"
#include "itr/form_applicability.h"
#include "suite/return_forms.h"

namespace meridian::itr {

struct ReturnReview {
  ReturnYear year;
  FilingParticulars particulars;
  Applicability forms;
  std::string form;                  // the form reviewed; "" when none may be used
  std::optional<std::string> formRefused;  // the form asked for may not be used: why
  std::optional<std::string> notNotified;  // the year's forms are not notified
  std::vector<CheckResult> checks;
};

struct ReviewRequest {
  std::string dataSet;
  int year = 0;
  std::string form;  // "" for the form a practitioner would file (Applicability::preferredForm)
  bool electronic = true;
  CivilDate today;
};

ReturnReview reviewReturn(db::Connection& conn, const ReviewRequest& r);

nlohmann::json reviewJson(const ReturnReview& review);

using suite::kChosenFormKey;

}  // namespace meridian::itr
