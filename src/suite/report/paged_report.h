#pragma once
// A report cut into pages, ready for a renderer: every page's header, body
// and footer lines, with page numbers filled in.
#include <functional>
#include <memory>
#include <vector>

#include "suite/report/page_geometry.h"
#include "suite/report/report_document.h"

namespace meridian::suite::report {

// Header lines print from the top of the page, body lines right after them
// and footer lines end at the page's last line; the lines between the body
// and the footer stay blank.
struct Page {
  std::vector<Line> header;
  std::vector<Line> body;
  std::vector<Line> footer;
};

struct PagedReport {
  PageGeometry geometry;
  std::vector<Page> pages;  // never empty: a report with no text is one blank page
  std::vector<std::string> clients;  // whose data it shows
};

// Receives each report the user asked to see (showreport).
using ReportSink = std::function<void(std::shared_ptr<const PagedReport>)>;

}  // namespace meridian::suite::report
