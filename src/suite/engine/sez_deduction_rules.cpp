#include "suite/engine/sez_deduction_rules.h"

#include <algorithm>
#include <stdexcept>

#include "suite/shipped_table.h"

namespace meridian::engine {
namespace {

int wholeField(const std::string& text, int min, int max, const std::string& where, const char* what) {
  try {
    size_t used = 0;
    const int n = std::stoi(text, &used);
    if (used == text.size() && n >= min && n <= max) return n;
  } catch (const std::exception&) {
  }
  throw std::runtime_error(where + what + " must be a whole number from " + std::to_string(min) + " to " +
                           std::to_string(max) + ", not \"" + text + "\"");
}

}  // namespace

const char* exportSectionCode(ExportSection s) { return s == ExportSection::s10a ? "10A" : "10AA"; }

std::optional<ExportSection> exportSectionOf(std::string_view code) {
  if (code == "10A") return ExportSection::s10a;
  if (code == "10AA") return ExportSection::s10aa;
  return std::nullopt;
}

const ExportDeductionRules& ExportDeductionRules::shipped() {
  static const ExportDeductionRules rules = fromCsv(suite::shippedText("data/sez_deduction.csv"));
  return rules;
}

ExportDeductionRules ExportDeductionRules::fromCsv(std::string_view csv) {
  const std::string list = "data/sez_deduction.csv";
  ExportDeductionRules t;
  int lineNo = 1;
  for (const auto& r : suite::shippedRows(
           csv, {"section", "from_unit_year", "to_unit_year", "percent", "limited_to_reserve", "last_ay", "source"},
           list)) {
    const std::string where = list + " line " + std::to_string(++lineNo) + ": ";
    const auto section = exportSectionOf(r[0]);
    if (!section) throw std::runtime_error(where + "the section is 10A or 10AA, not \"" + r[0] + "\"");
    ExportDeductionPeriod p{*section, wholeField(r[1], 1, 99, where, "the first year of the unit"),
                            wholeField(r[2], 1, 99, where, "the last year of the unit"),
                            wholeField(r[3], 1, 100, where, "the share"), suite::yesNoField(r[4], where)};
    if (p.toUnitYear < p.fromUnitYear) throw std::runtime_error(where + "the last year of the unit comes before the first");
    if (r[6].empty()) throw std::runtime_error(where + "every period cites the section it comes from");
    for (const auto& o : t.periods_)
      if (o.section == p.section && o.fromUnitYear <= p.toUnitYear && p.fromUnitYear <= o.toUnitYear)
        throw std::runtime_error(where + "the years of the unit overlap an earlier line of " + r[0]);
    if (!r[5].empty()) {
      const int last = suite::yearField(r[5], where);
      const auto known = std::find_if(t.lastYears_.begin(), t.lastYears_.end(),
                                      [&](const auto& l) { return l.first == p.section; });
      if (known != t.lastYears_.end() && known->second != last)
        throw std::runtime_error(where + "s." + r[0] + " is given two last years");
      if (known == t.lastYears_.end()) t.lastYears_.emplace_back(p.section, last);
    }
    t.periods_.push_back(p);
  }
  return t;
}

std::optional<ExportDeductionPeriod> ExportDeductionRules::periodOf(ExportSection section, int unitYear) const {
  for (const auto& p : periods_)
    if (p.section == section && unitYear >= p.fromUnitYear && unitYear <= p.toUnitYear) return p;
  return std::nullopt;
}

std::optional<int> ExportDeductionRules::lastYear(ExportSection section) const {
  for (const auto& [s, year] : lastYears_)
    if (s == section) return year;
  return std::nullopt;
}

}  // namespace meridian::engine
