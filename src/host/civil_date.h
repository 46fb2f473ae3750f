#pragma once
// Dates as the screens show them (dd/mm/yyyy) and as date columns hold them
// (yyyy-mm-dd), over the C++ civil calendar.
#include <chrono>
#include <optional>
#include <string>

namespace meridian::host {

using CivilDate = std::chrono::year_month_day;

// dd/mm/yyyy (also "-" or "." between the parts); nullopt when not a real date.
std::optional<CivilDate> parseDmy(const std::string& text);
std::optional<CivilDate> parseIso(const std::string& text);
std::string formatDmy(const CivilDate& d);
std::string formatIso(const CivilDate& d);
// Completes what a user typed into a date box: "1/4/16", "01042016",
// "1-4-2016" all become "01/04/2016"; "" when it cannot be a date. Two-digit
// years below 50 are read as 20yy, others as 19yy.
std::string completeTypedDate(const std::string& typed);

}  // namespace meridian::host
