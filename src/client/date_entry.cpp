#include "client/date_entry.h"

#include <cstdio>
#include <vector>

namespace meridian::client {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSeparator(char c) { return c == '/' || c == '-' || c == '.'; }

int number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

bool realDate(int d, int m, int y) {
  if (y < 1000 || m < 1 || m > 12 || d < 1) return false;
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

DateEntry invalid(std::string_view typed) { return {DateEntry::Kind::invalid, std::string(typed)}; }

}  // namespace

DateEntry readDateEntry(std::string_view typed) {
  std::string t;
  for (char c : typed)
    if (c != ' ') t.push_back(c);
  bool digits = false, blanks = false;
  for (char c : t) {
    if (isDigit(c)) digits = true;
    else if (c == '_') blanks = true;
    else if (!isSeparator(c)) return invalid(typed);
  }
  // Only the mask's blanks and separators: the box was left empty.
  if (!digits) return {DateEntry::Kind::empty, std::string(kDateMask)};
  // A mask only partly filled in is not a date yet.
  if (blanks) return invalid(typed);

  std::vector<std::string_view> parts;
  std::string_view rest = t;
  while (true) {
    size_t at = 0;
    while (at < rest.size() && !isSeparator(rest[at])) ++at;
    parts.push_back(rest.substr(0, at));
    if (at == rest.size()) break;
    rest.remove_prefix(at + 1);
  }
  int d = 0, m = 0, y = 0;
  if (parts.size() == 1 && parts[0].size() == 8) {
    d = number(parts[0].substr(0, 2));
    m = number(parts[0].substr(2, 2));
    y = number(parts[0].substr(4));
  } else if (parts.size() == 3 && !parts[0].empty() && parts[0].size() <= 2 && !parts[1].empty() &&
             parts[1].size() <= 2 && parts[2].size() == 4) {
    d = number(parts[0]);
    m = number(parts[1]);
    y = number(parts[2]);
  } else {
    return invalid(typed);
  }
  if (!realDate(d, m, y)) return invalid(typed);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d, m, y);
  return {DateEntry::Kind::date, buf};
}

}  // namespace meridian::client
