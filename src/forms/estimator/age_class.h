#pragma once
// Age class of an individual for the exemption limit and for the advance-tax
// exemption of senior citizens: 0 below the senior age, 1 senior, 2 very senior.
#include <chrono>
#include <optional>

#include "forms/estimator/estimator_rates.h"

namespace meridian::forms::estimator {

// The day on which age is judged for the year: 1 April of the year once the age
// was reckoned by the birthday's eve, 31 March before that.
std::chrono::year_month_day ageReferenceDate(const YearRates& rates);

// No date of birth gives class 0.
int ageClass(const std::optional<std::chrono::year_month_day>& dob, const YearRates& rates);

}  // namespace meridian::forms::estimator
