#include "suite/report/text_renderer.h"

namespace meridian::suite::report {
namespace {

void appendLine(std::string& out, const Line& line) {
  std::string text;
  for (const auto& run : line.runs) text += run.text;
  const auto end = text.find_last_not_of(' ');
  out += end == std::string::npos ? "" : text.substr(0, end + 1);
  out += '\n';
}

}  // namespace

std::string renderText(const PagedReport& report) {
  std::string out;
  for (std::size_t n = 0; n < report.pages.size(); ++n) {
    if (n) out += "\f\n";
    const Page& page = report.pages[n];
    for (const auto& line : page.header) appendLine(out, line);
    for (const auto& line : page.body) appendLine(out, line);
    if (!page.footer.empty()) {
      // The lines between body and footer stay blank on the page; one
      // blank line stands for them here.
      out += '\n';
      for (const auto& line : page.footer) appendLine(out, line);
    }
  }
  return out;
}

}  // namespace meridian::suite::report
