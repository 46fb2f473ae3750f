#pragma once
// The tax estimator's computation: from the form's inputs to every figure it
// shows. Pure: reads nothing and writes nothing; the caller supplies the due dates.
#include <optional>
#include <string>
#include <vector>

#include "forms/estimator/estimate_types.h"

namespace meridian::forms::estimator {

// Throws std::invalid_argument for a year outside the form's list.
EstimateResult estimate(const EstimateInput& in, const InstalmentDates& dates);

// "After Rebate u/s 87A of Rs. 5000"; the sections of other years' rebates
// ("88D", "88B and 88D") stand in the same place.
std::string rebateCaption(const std::string& sections, Rupees rebate);

struct CheckBoxView {
  bool visible = false;
  std::string caption;
};
// chkCompTaxRate: a company from the first year that has the reduced rate.
CheckBoxView compTaxRateCheckBox(int year, Status status);
// chkResAssInState: the years with a state relaxation of a due date.
CheckBoxView resAssInStateCheckBox(int year);
// Caption of the MAT/AMT base field for the status.
std::string bookProfitCaption(Status status);

// The A.Y. texts of the form's year list, oldest first.
std::vector<std::string> estimatorYearList();

}  // namespace meridian::forms::estimator
