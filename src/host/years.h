#pragma once
#include <string>

namespace meridian::host {

// "2016-17" for 2016; "1999-00" for 1999.
std::string assessmentYearText(int firstYear);
// The number formed by the first four characters of a year-list entry; 0 when none.
int yearOfEntry(const std::string& entry);

}  // namespace meridian::host
