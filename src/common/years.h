#pragma once
// The assessment years the module works with, from one place. An A.Y. is
// named by its first calendar year (2016 for A.Y. 2016-17) and shown as
// "2016-17"; the year lists of the screens are built from the ranges here.
#include <string>
#include <vector>

namespace meridian {

struct YearRange {
  int first;
  int last;
};

namespace years {
// The newest A.Y. the module prepares returns and keeps due dates for.
inline constexpr int kLatest = 2017;
// Client work, the practice-wide lists and the summaries start at A.Y. 2000-01.
inline constexpr YearRange kClientWork{2000, kLatest};
// The due-date masters reach back to A.Y. 1992-93.
inline constexpr YearRange kDueDates{1992, kLatest};
}  // namespace years

// "2016-17" for 2016; "1999-00" for 1999.
std::string assessmentYearText(int firstYear);
// The number formed by the first four characters of a year-list entry; 0 when none.
int yearOfEntry(const std::string& entry);
// The A.Y. texts of a range, oldest first, as the year lists show them.
std::vector<std::string> assessmentYearTexts(YearRange range);

}  // namespace meridian
