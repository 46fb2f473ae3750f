#include "suite/report_preview.h"

#include <memory>
#include <mutex>

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

struct KeptPdf {
  std::once_flag drawn;
  std::string bytes;
};

}  // namespace

ReportWriterFactory standardReportWriters() {
  return [](FinishedReportSink sink) {
    return report::makeReportWriter([sink](std::shared_ptr<const report::PagedReport> paged) {
      FinishedReport f;
      f.title = titleOf(*paged);
      f.pages = static_cast<int>(paged->pages.size());
      f.pagesHtml = report::renderHtmlPages(*paged);
      // Drawn on the first request and kept with the report: a long report
      // is not drawn again for every download. A failed drawing keeps
      // nothing, so the next request tries again.
      auto kept = std::make_shared<KeptPdf>();
      f.pdf = [paged, kept] {
        std::call_once(kept->drawn, [&] { kept->bytes = report::renderPdf(*paged); });
        return kept->bytes;
      };
      f.clients = paged->clients;
      sink(std::move(f));
    });
  };
}

}  // namespace meridian::suite
