#include "common/dates.h"

#include <cstdio>
#include <ctime>
#include <vector>

namespace meridian {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSeparator(char c) { return c == '/' || c == '-' || c == '.'; }

int number(std::string_view digits) {
  int v = 0;
  for (char c : digits) v = v * 10 + (c - '0');
  return v;
}

// The digit groups of a typed date; empty when anything but digits and
// separators is left once blanks and mask underscores are gone.
std::vector<std::string> digitGroups(std::string_view typed) {
  std::vector<std::string> parts(1);
  for (char c : typed) {
    if (c == ' ' || c == '_') continue;
    if (isSeparator(c)) parts.emplace_back();
    else if (isDigit(c)) parts.back().push_back(c);
    else return {};
  }
  return parts;
}

int yearOfTyped(std::string_view digits) {
  const int y = number(digits);
  return digits.size() == 2 ? fullYearOf(y) : y;
}

}  // namespace

int fullYearOf(int twoDigitYear) { return twoDigitYear < 30 ? 2000 + twoDigitYear : 1900 + twoDigitYear; }

std::optional<CivilDate> makeDate(int day, int month, int year) {
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  const CivilDate date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                       std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::optional<CivilDate> parseDmy(std::string_view t) {
  if (t.size() != 10 || t[2] != '/' || t[5] != '/') return std::nullopt;
  for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (!isDigit(t[static_cast<size_t>(i)])) return std::nullopt;
  return makeDate(number(t.substr(0, 2)), number(t.substr(3, 2)), number(t.substr(6, 4)));
}

std::optional<CivilDate> parseIso(std::string_view t) {
  if (t.size() < 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!isDigit(t[static_cast<size_t>(i)])) return std::nullopt;
  return makeDate(number(t.substr(8, 2)), number(t.substr(5, 2)), number(t.substr(0, 4)));
}

std::string formatDmy(const CivilDate& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02u/%02u/%04d", static_cast<unsigned>(d.day()), static_cast<unsigned>(d.month()),
                static_cast<int>(d.year()));
  return buf;
}

std::string formatIso(const CivilDate& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(d.year()), static_cast<unsigned>(d.month()),
                static_cast<unsigned>(d.day()));
  return buf;
}

std::optional<CivilDate> parseTypedDate(std::string_view typed) {
  const auto parts = digitGroups(typed);
  if (parts.size() == 1 && (parts[0].size() == 8 || parts[0].size() == 6)) {
    const std::string_view s = parts[0];
    return makeDate(number(s.substr(0, 2)), number(s.substr(2, 2)), yearOfTyped(s.substr(4)));
  }
  if (parts.size() != 3) return std::nullopt;
  const std::string &d = parts[0], &m = parts[1], &y = parts[2];
  if (d.empty() || d.size() > 2 || m.empty() || m.size() > 2 || (y.size() != 2 && y.size() != 4)) return std::nullopt;
  return makeDate(number(d), number(m), yearOfTyped(y));
}

std::string completeTypedDate(std::string_view typed) {
  auto d = parseTypedDate(typed);
  return d ? formatDmy(*d) : "";
}

DateBoxEntry readDateBox(std::string_view typed) {
  const DateBoxEntry invalid{DateBoxEntry::Kind::invalid, std::string(typed)};
  bool digits = false, blanks = false;
  for (char c : typed) {
    if (isDigit(c)) digits = true;
    else if (c == '_') blanks = true;
    else if (c != ' ' && !isSeparator(c)) return invalid;
  }
  if (!digits) return {DateBoxEntry::Kind::empty, std::string(kEmptyDateMask)};
  if (blanks) return invalid;
  const auto parts = digitGroups(typed);
  const bool fourDigitYear = (parts.size() == 1 && parts[0].size() == 8) || (parts.size() == 3 && parts[2].size() == 4);
  const auto date = fourDigitYear ? parseTypedDate(typed) : std::nullopt;
  if (!date || static_cast<int>(date->year()) < 1000) return invalid;
  return {DateBoxEntry::Kind::date, formatDmy(*date)};
}

bool isBlankDateBox(std::string_view text) { return readDateBox(text).kind == DateBoxEntry::Kind::empty; }

CivilDate today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return CivilDate{std::chrono::year{local.tm_year + 1900}, std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                   std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace meridian
