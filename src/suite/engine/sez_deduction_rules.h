#pragma once
// The periods and shares of the deductions for export undertakings by the
// year of the undertaking (data/sez_deduction.csv): s.10AA for units in a
// special economic zone, fifteen years in three parts; s.10A for units in
// free trade zones, which the Act ends after A.Y. 2011-12.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridian::engine {

enum class ExportSection { s10a, s10aa };

// "10A" or "10AA".
const char* exportSectionCode(ExportSection s);
std::optional<ExportSection> exportSectionOf(std::string_view code);

struct ExportDeductionPeriod {
  ExportSection section = ExportSection::s10aa;
  int fromUnitYear = 0, toUnitYear = 0;  // the undertaking's years, its first year 1
  int percent = 0;                       // of the profit from export
  bool limitedToReserve = false;         // no more than the sum credited to the re-investment reserve
};

class ExportDeductionRules {
 public:
  static const ExportDeductionRules& shipped();
  // Throws std::runtime_error naming the line of a bad or overlapping entry.
  static ExportDeductionRules fromCsv(std::string_view csv);

  // The period the undertaking's year falls in, or nothing once the
  // deduction's years are over.
  std::optional<ExportDeductionPeriod> periodOf(ExportSection section, int unitYear) const;
  // The last A.Y. (its first calendar year) the section gives a deduction
  // for, or nothing when the Act sets no end.
  std::optional<int> lastYear(ExportSection section) const;

 private:
  std::vector<ExportDeductionPeriod> periods_;
  std::vector<std::pair<ExportSection, int>> lastYears_;
};

}  // namespace meridian::engine
