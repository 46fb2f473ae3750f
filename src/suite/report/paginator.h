#pragma once
// Cuts a report into pages.
#include "suite/report/paged_report.h"
#include "suite/report/report_document.h"

namespace meridian::suite::report {

// Two passes: the first places body lines on pages (each page's room is the
// page's lines less the header and footer lines that page carries), the
// second fills headers and footers, whose page numbers need the page count.
//
// - A page break starts a new page, unless the current page has no body
//   lines yet: a report never holds a blank page it did not write.
// - A table row is kept on one page when it fits on a page at all.
// - When a table runs onto a new page its heading rows (the latest run of
//   consecutive heading rows) are printed again first; a heading row is
//   kept together with the row that follows it, and the title line just
//   before a table (or parted from it by one blank line, or a bold title
//   over a bold section title) with both.
// - Every page has at least one body line of room, even when the header and
//   footer fill it, so pagination always ends.
PagedReport paginate(const ReportDocument& document, const PageGeometry& geometry);

}  // namespace meridian::suite::report
