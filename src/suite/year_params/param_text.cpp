#include "suite/year_params/param_text.h"

#include <charconv>

namespace meridian::params {
namespace {

std::string_view trim(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::vector<std::string_view> split(std::string_view s, char sep) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (;;) {
    const size_t at = s.find(sep, start);
    out.push_back(trim(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start)));
    if (at == std::string_view::npos) return out;
    start = at + 1;
  }
}

// Words separated by blanks, empty ones dropped.
std::vector<std::string_view> words(std::string_view s) {
  std::vector<std::string_view> out;
  for (auto w : split(s, ' '))
    if (!w.empty()) out.push_back(w);
  return out;
}

std::optional<std::int64_t> number(std::string_view s) {
  std::int64_t v = 0;
  if (s.empty() || s.front() == '+') return std::nullopt;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<Value> scaleOf(std::string_view text, std::string& why) {
  if (text == "none") return Value{Scale{}};
  Scale steps;
  for (auto w : words(text)) {
    const auto parts = split(w, ':');
    const bool open = parts.size() == 2 && parts[0] == "*";
    const auto upTo = open ? std::optional<std::int64_t>(0) : (parts.size() == 2 ? number(parts[0]) : std::nullopt);
    const auto rate = parts.size() == 2 ? number(parts[1]) : std::nullopt;
    if (!upTo || !rate) {
      why = "scale step \"" + std::string(w) + "\" is not LIMIT:RATE or *:RATE";
      return std::nullopt;
    }
    steps.push_back({*upTo, static_cast<BasisPoints>(*rate), open});
  }
  if (steps.empty()) why = "a scale needs steps, or \"none\"";
  return steps.empty() ? std::nullopt : std::optional<Value>(std::move(steps));
}

std::optional<Value> bandsOf(std::string_view text, std::string& why) {
  if (text == "none") return Value{SurchargeBands{}};
  SurchargeBands bands;
  for (auto w : words(text)) {
    const auto parts = split(w, ':');
    const auto above = parts.size() == 2 ? number(parts[0]) : std::nullopt;
    const auto rate = parts.size() == 2 ? number(parts[1]) : std::nullopt;
    if (!above || !rate) {
      why = "surcharge band \"" + std::string(w) + "\" is not ABOVE:RATE";
      return std::nullopt;
    }
    bands.push_back({*above, static_cast<BasisPoints>(*rate)});
  }
  if (bands.empty()) why = "surcharge needs bands, or \"none\"";
  return bands.empty() ? std::nullopt : std::optional<Value>(std::move(bands));
}

std::optional<Value> scheduleOf(std::string_view text, std::string& why) {
  InstalmentSchedule steps;
  for (auto w : words(text)) {
    const auto parts = split(w, '/');
    std::optional<std::int64_t> f[3];
    if (parts.size() == 3)
      for (int i = 0; i < 3; ++i) f[i] = number(parts[static_cast<size_t>(i)]);
    if (!f[0] || !f[1] || !f[2]) {
      why = "instalment \"" + std::string(w) + "\" is not CUMULATIVE/NO-INTEREST-FROM/MONTHS";
      return std::nullopt;
    }
    steps.push_back({static_cast<BasisPoints>(*f[0]), static_cast<BasisPoints>(*f[1]), static_cast<int>(*f[2])});
  }
  if (steps.empty()) why = "a schedule needs instalments";
  return steps.empty() ? std::nullopt : std::optional<Value>(std::move(steps));
}

}  // namespace

std::vector<TextRow> readRows(std::string_view fileName, std::string_view text, std::vector<std::string>& faults) {
  std::vector<TextRow> rows;
  int lineNo = 0;
  for (auto line : split(text, '\n')) {
    ++lineNo;
    if (line.empty() || line.front() == '#') continue;
    const std::string where = std::string(fileName) + ":" + std::to_string(lineNo);
    const auto f = split(line, '|');
    if (f.size() != 5) {
      faults.push_back(where + ": expected 5 fields separated by '|', found " + std::to_string(f.size()));
      continue;
    }
    rows.push_back({where, std::string(f[0]), std::string(f[1]), std::string(f[2]), std::string(f[3]), std::string(f[4])});
  }
  return rows;
}

std::optional<int> yearFromText(std::string_view t) {
  if (t.size() != 7 || t[4] != '-') return std::nullopt;
  const auto first = number(t.substr(0, 4));
  const auto next = number(t.substr(5, 2));
  if (!first || !next || *first < 1900 || (*first + 1) % 100 != *next) return std::nullopt;
  return static_cast<int>(*first);
}

std::optional<Value> parseValue(Kind kind, std::string_view text, std::string& why) {
  switch (kind) {
    case Kind::amount:
    case Kind::rate:
    case Kind::count:
      if (auto v = number(text)) return Value{*v};
      why = "\"" + std::string(text) + "\" is not a whole number";
      return std::nullopt;
    case Kind::flag:
      if (text == "yes" || text == "no") return Value{text == "yes"};
      why = "\"" + std::string(text) + "\" is not yes or no";
      return std::nullopt;
    case Kind::scale:
      return scaleOf(text, why);
    case Kind::surcharge:
      return bandsOf(text, why);
    case Kind::schedule:
      return scheduleOf(text, why);
  }
  return std::nullopt;
}

}  // namespace meridian::params
