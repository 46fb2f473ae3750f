#pragma once
// Advance-tax instalments of the estimator and the interest u/s 234C on them.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forms/estimator/estimate_types.h"
#include "forms/estimator/year_rules.h"

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

// Why a case owes no advance tax, if it owes none: a resident senior citizen
// without business income (s.207(2)), or a tax after TDS below the limit of
// s.208 (payable at the limit itself: "ten thousand rupees or more").
enum class NoAdvanceTax { owed, seniorWithoutBusiness, belowLimit };
NoAdvanceTax advanceTaxOwed(const EstimateInput& in, const YearRules& rules, int ageClass, Rupees taxAfterTds);

// The grid: one row per due date and a fifth for the days after the last one up
// to 31 March. `taxAfterTds` is the total tax less TDS; a negative one counts as 0.
// Nothing falls due and no interest u/s 234C runs when no advance tax is owed.
// Interest is worked on each shortfall rounded down to the multiple of Rule
// 119A(b). `relaxation` is the state relaxation of the year when claimed.
std::vector<InstalmentRow> instalmentGrid(const EstimateInput& in, const YearRules& rules, Rupees taxAfterTds,
                                          bool owed, const InstalmentDates& stored,
                                          const StateRelaxation* relaxation);

}  // namespace meridian::forms::estimator
