#pragma once
// Calendar dates: the one place where dates are read and written. Screens show
// and take dd/mm/yyyy, date columns hold yyyy-mm-dd, and a date box completes
// what a user typed ("1/4/16", "01042016") by one two-digit-year rule.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace meridian {

using CivilDate = std::chrono::year_month_day;

// What an untouched masked date box holds.
inline constexpr std::string_view kEmptyDateMask = "__/__/____";

// A two-digit year as the date boxes read it: 00-29 are 2000-2029, 30-99 are
// 1930-1999 (the window the desktop's regional setting used, so a typed date
// means what it meant there).
int fullYearOf(int twoDigitYear);

// The date when day, month and year make one; years before 100 are no dates.
std::optional<CivilDate> makeDate(int day, int month, int year);

// Exactly dd/mm/yyyy, as the screens show dates and most columns keep them.
std::optional<CivilDate> parseDmy(std::string_view text);
// yyyy-mm-dd (anything after the tenth character, a time, is ignored).
std::optional<CivilDate> parseIso(std::string_view text);
std::string formatDmy(const CivilDate& d);
// The date on this machine's calendar now.
CivilDate today();
std::string formatIso(const CivilDate& d);

// A date as a user may type it: day, month and year parted by "/", "-" or
// "." (day and month of one or two digits, the year of two or four), or the
// six or eight digits run together (ddmmyy, ddmmyyyy). Blanks and the mask's
// underscores are ignored.
std::optional<CivilDate> parseTypedDate(std::string_view typed);
// The typed date completed to dd/mm/yyyy; "" when it is no date.
std::string completeTypedDate(std::string_view typed);

// What a masked date box holds: nothing typed (the mask, or only its blanks
// and separators), a date (shown dd/mm/yyyy), or something that is no date
// (kept as typed, for the screen to refuse). The box has four places for the
// year, so it takes d/m/yyyy with "/", "-" or "." between, or ddmmyyyy, and a
// year from 1000; a mask filled only in part is no date yet. The page's
// web/static/datemask.js reads a box the same way (tests/data/vtxt_cases.json).
struct DateBoxEntry {
  enum class Kind { empty, date, invalid };
  Kind kind = Kind::empty;
  std::string text;  // dd/mm/yyyy, the mask, or the text as typed
};
DateBoxEntry readDateBox(std::string_view typed);
// True when a date box holds nothing a user typed.
bool isBlankDateBox(std::string_view text);

}  // namespace meridian
