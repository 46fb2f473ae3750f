#include <algorithm>
#include <array>
#include <string>

#include "suite/year_params/year_params.h"

namespace meridian::params {
namespace {

std::string yearText(int y) {
  const int next = (y + 1) % 100;
  return std::to_string(y) + "-" + (next < 10 ? "0" : "") + std::to_string(next);
}

bool inBounds(std::int64_t v, const ParamSpec& s) { return v >= s.min && v <= s.max; }

// A source must name what set the figure, not only where it was read.
bool cites(const std::string& source) {
  static const std::array<std::string_view, 8> marks = {"Act",      "s.",    "section", "Rule",
                                                        "Notification", "Circular", "Order", "Schedule"};
  return std::any_of(marks.begin(), marks.end(), [&](std::string_view m) { return source.find(m) != std::string::npos; });
}

void scaleFaults(const ParamSpec& s, const Scale& scale, std::vector<std::string>& out) {
  for (size_t i = 0; i < scale.size(); ++i) {
    const ScaleStep& st = scale[i];
    const bool last = i + 1 == scale.size();
    if (st.open != last) out.push_back(last ? "the last step must be open (*)" : "only the last step may be open (*)");
    if (!inBounds(st.rate, s)) out.push_back("rate " + std::to_string(st.rate) + " is out of bounds");
    if (i > 0 && !st.open && st.upTo <= scale[i - 1].upTo) out.push_back("limits must rise");
    if (i > 0 && st.rate < scale[i - 1].rate) out.push_back("rates must not fall as income rises");
  }
}

void bandFaults(const ParamSpec& s, const SurchargeBands& bands, std::vector<std::string>& out) {
  for (size_t i = 0; i < bands.size(); ++i) {
    if (bands[i].rate <= 0 || !inBounds(bands[i].rate, s)) out.push_back("surcharge rate " + std::to_string(bands[i].rate) + " is out of bounds");
    if (bands[i].above < 0) out.push_back("a threshold cannot be negative");
    if (i > 0 && bands[i].above <= bands[i - 1].above) out.push_back("thresholds must rise");
    if (i > 0 && bands[i].rate <= bands[i - 1].rate) out.push_back("a higher band must charge more");
  }
}

void scheduleFaults(const ParamSpec& s, const InstalmentSchedule& steps, std::vector<std::string>& out) {
  BasisPoints before = 0;
  for (const auto& st : steps) {
    if (st.cumulative < before) out.push_back("cumulative instalments must not fall");
    if (st.chargeBelow < 0 || st.chargeBelow > st.cumulative) out.push_back("the no-interest margin must lie within the instalment");
    if (!inBounds(st.months, s)) out.push_back("months " + std::to_string(st.months) + " out of bounds");
    before = st.cumulative;
  }
  if (before != 10000) out.push_back("the last instalment must bring the total to 10000 (100 %)");
}

void valueFaults(const ParamSpec& s, const Value& v, std::vector<std::string>& out) {
  if (const auto* n = std::get_if<std::int64_t>(&v)) {
    if (!inBounds(*n, s))
      out.push_back(std::to_string(*n) + " is outside " + std::to_string(s.min) + " .. " + std::to_string(s.max));
  } else if (const auto* sc = std::get_if<Scale>(&v)) {
    scaleFaults(s, *sc, out);
  } else if (const auto* b = std::get_if<SurchargeBands>(&v)) {
    bandFaults(s, *b, out);
  } else if (const auto* sch = std::get_if<InstalmentSchedule>(&v)) {
    scheduleFaults(s, *sch, out);
  }
}

}  // namespace

std::vector<std::string> faultsOf(const ParamSpec& decl, const std::vector<Change>& changes) {
  std::vector<std::string> out;
  const std::string key(decl.key);
  if (changes.empty()) return {key + ": no value is given"};
  if (changes.front().fromYear != decl.firstYear)
    out.push_back(changes.front().where + ": " + key + " must start at A.Y. " + yearText(decl.firstYear) +
                  ", not " + yearText(changes.front().fromYear));
  for (size_t i = 0; i < changes.size(); ++i) {
    const Change& c = changes[i];
    const std::string at = c.where + ": " + key + " from " + yearText(c.fromYear) + ": ";
    if (c.fromYear > kLatestYear) out.push_back(at + "after the latest year covered, " + yearText(kLatestYear));
    if (i > 0 && c.fromYear <= changes[i - 1].fromYear) out.push_back(at + "changes must be in year order, one per year");
    if (i > 0 && c.value == changes[i - 1].value) out.push_back(at + "repeats the value already in force");
    if (!cites(c.source)) out.push_back(at + "the source must name its Act, section, rule, notification or order");
    std::vector<std::string> valueOut;
    valueFaults(decl, c.value, valueOut);
    for (auto& v : valueOut) out.push_back(at + v);
  }
  return out;
}

}  // namespace meridian::params
