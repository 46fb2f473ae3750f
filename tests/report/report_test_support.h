#pragma once
// Helpers the report writer's tests share: a sink that keeps what it is
// shown, and a compact description of a line's styled runs.
#include <memory>
#include <string>
#include <vector>

#include "suite/report/paged_report.h"

namespace meridian::suite::report::testing {

// Each run as text<flags>, runs joined by '|': flags are b, i, u, 12 or 17
// for the pitch and fN for a font step; "a<>|b<b>" is plain a, bold b.
inline std::string describe(const Line& line) {
  std::string out;
  for (const auto& run : line.runs) {
    if (!out.empty()) out += '|';
    out += run.text + '<';
    if (run.style.bold) out += 'b';
    if (run.style.italic) out += 'i';
    if (run.style.underline) out += 'u';
    if (run.style.pitch == Pitch::pitch12cpi) out += "12";
    if (run.style.pitch == Pitch::condensed17cpi) out += "17";
    if (run.style.fontStep != 0) out += 'f' + std::to_string(run.style.fontStep);
    out += '>';
  }
  return out;
}

inline std::string trimmed(const std::string& text) {
  auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct CapturedReports {
  std::vector<std::shared_ptr<const PagedReport>> shown;
  ReportSink sink() {
    return [this](std::shared_ptr<const PagedReport> report) { shown.push_back(std::move(report)); };
  }
};

}  // namespace meridian::suite::report::testing
