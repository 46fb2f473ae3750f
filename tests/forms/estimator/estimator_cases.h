#pragma once
// Helpers shared by the estimator tests: a blank case of a year and status.
#include <string>

#include "forms/estimator/estimate.h"
#include "forms/estimator/instalments.h"

namespace meridian::forms::estimator::testing {

inline EstimateInput blankCase(int year, Status status, Rupees normalIncome = 0) {
  EstimateInput in;
  in.year = year;
  in.status = status;
  in.other = normalIncome;
  return in;
}


inline EstimateResult run(const EstimateInput& in) { return estimate(in, defaultInstalmentDates(in.year)); }

}  // namespace meridian::forms::estimator::testing
