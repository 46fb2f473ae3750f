#pragma once
// Advance-tax instalments of the estimator and the interest u/s 234C on them.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forms/estimator/estimate_types.h"
#include "forms/estimator/estimator_rates.h"

namespace meridian::forms::estimator {

// 15/06, 15/09, 15/12 of the year before the A.Y. and 15/03 of its first year:
// used when the year has no row in AdvTaxDueDt.
InstalmentDates defaultInstalmentDates(int year);

// Four dd/mm/yyyy texts as stored in AdvTaxDueDt; nothing when one is not a date.
std::optional<InstalmentDates> instalmentDatesFromTexts(const std::array<std::string, kDueDates>& texts);

// "15/06/2015"
std::string formatDate(const std::chrono::year_month_day& d);
// "15/06/2015" (exactly ten characters) to a valid date; nothing otherwise.
std::optional<std::chrono::year_month_day> parseDate(const std::string& text);

// The grid: one row per due date and a fifth for the days after the last one up
// to 31 March. `taxAfterTds` is the total tax less TDS; a negative one counts as 0.
// `relaxation` is the state relaxation of the year when the assessee claims it.
std::vector<InstalmentRow> instalmentGrid(const EstimateInput& in, const YearRates& rates, Rupees taxAfterTds,
                                          const InstalmentDates& stored, const StateRelaxation* relaxation);

}  // namespace meridian::forms::estimator
