#include "suite/report_preview.h"

#include "suite/report/html_renderer.h"
#include "suite/report/make_report_writer.h"
#include "suite/report/pdf_renderer.h"

namespace meridian::suite {
namespace {

// The first line with text names the report in the preview's title: the
// page header's, when the report has one, else the body's.
std::string titleOf(const report::PagedReport& r) {
  for (const auto& page : r.pages)
    for (const auto* lines : {&page.header, &page.body})
      for (const auto& line : *lines) {
        std::string text;
        for (const auto& run : line.runs) text += run.text;
        size_t b = text.find_first_not_of(' ');
        if (b != std::string::npos) return text.substr(b, text.find_last_not_of(' ') - b + 1);
      }
  return "Report";
}

}  // namespace

ReportWriterFactory standardReportWriters() {
  return [](FinishedReportSink sink) {
    return report::makeReportWriter([sink](std::shared_ptr<const report::PagedReport> paged) {
      FinishedReport f;
      f.title = titleOf(*paged);
      f.pages = static_cast<int>(paged->pages.size());
      f.pagesHtml = report::renderHtmlPages(*paged);
      f.pdf = [paged] { return report::renderPdf(*paged); };
      f.clients = paged->clients;
      sink(std::move(f));
    });
  };
}

}  // namespace meridian::suite
