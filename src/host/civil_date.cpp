#include "host/civil_date.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace meridian::host {
namespace {

std::optional<CivilDate> make(int d, int m, int y) {
  if (y < 1 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
  CivilDate date{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
                 std::chrono::day{static_cast<unsigned>(d)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::vector<std::string> splitParts(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '/' || c == '-' || c == '.') parts.emplace_back();
    else if (std::isdigit(static_cast<unsigned char>(c))) parts.back().push_back(c);
    else if (c != ' ') return {};
  }
  return parts;
}

int fullYear(const std::string& y) {
  int v = std::stoi(y);
  if (y.size() <= 2) v += v < 50 ? 2000 : 1900;
  return v;
}

}  // namespace

std::optional<CivilDate> parseDmy(const std::string& text) {
  auto p = splitParts(text);
  if (p.size() != 3 || p[0].empty() || p[1].empty() || p[2].size() != 4 || p[0].size() > 2 || p[1].size() > 2)
    return std::nullopt;
  return make(std::stoi(p[0]), std::stoi(p[1]), std::stoi(p[2]));
}

std::optional<CivilDate> parseIso(const std::string& text) {
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
  return make(std::stoi(text.substr(8, 2)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(0, 4)));
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

std::string completeTypedDate(const std::string& typed) {
  std::string t;
  for (char c : typed)
    if (c != ' ' && c != '_') t.push_back(c);
  if (t.empty()) return "";
  auto parts = splitParts(t);
  std::optional<CivilDate> d;
  if (parts.size() == 1 && (parts[0].size() == 8 || parts[0].size() == 6)) {
    const std::string& s = parts[0];
    d = make(std::stoi(s.substr(0, 2)), std::stoi(s.substr(2, 2)), fullYear(s.substr(4)));
  } else if (parts.size() == 3 && !parts[0].empty() && !parts[1].empty() && parts[0].size() <= 2 &&
             parts[1].size() <= 2 && (parts[2].size() == 2 || parts[2].size() == 4)) {
    d = make(std::stoi(parts[0]), std::stoi(parts[1]), fullYear(parts[2]));
  }
  return d ? formatDmy(*d) : "";
}

}  // namespace meridian::host
