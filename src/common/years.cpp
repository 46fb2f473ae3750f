#include "common/years.h"

#include <cctype>
#include <cstdio>

namespace meridian {

std::string assessmentYearText(int firstYear) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d-%02d", firstYear, (firstYear + 1) % 100);
  return buf;
}

int yearOfEntry(const std::string& entry) {
  if (entry.size() < 4) return 0;
  int y = 0;
  for (int i = 0; i < 4; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(entry[i]))) return 0;
    y = y * 10 + (entry[i] - '0');
  }
  return y;
}

std::vector<std::string> assessmentYearTexts(YearRange range) {
  std::vector<std::string> out;
  for (int y = range.first; y <= range.last; ++y) out.push_back(assessmentYearText(y));
  return out;
}

}  // namespace meridian
