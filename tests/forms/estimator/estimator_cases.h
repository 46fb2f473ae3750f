#pragma once
// Helpers shared by the estimator tests: a blank case of a year and status.
#include <chrono>
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

inline std::chrono::year_month_day date(int d, int m, int y) {
  return std::chrono::year_month_day{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
                                     std::chrono::day{static_cast<unsigned>(d)}};
}

inline EstimateResult run(const EstimateInput& in) { return estimate(in, defaultInstalmentDates(in.year)); }

}  // namespace meridian::forms::estimator::testing
