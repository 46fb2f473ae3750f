#pragma once
// Figures as the screens show them: Indian digit grouping (12,34,567.50) on
// a read-only amount or a grid's amount column. What the screen holds stays
// plain; only the page's text is grouped.
#include <string>
#include <string_view>

namespace meridian::web {

// A plain number ("-1234567.5", "519406") grouped with its own decimals kept;
// any other text (a date, a period, an already grouped figure) as it is.
std::string amountForDisplay(std::string_view text);

}  // namespace meridian::web
