#pragma once
// The printout of one client year built through the program's report
// writer and cut into pages, ready for the preview, the PDF or plain text.
#include <memory>

#include "suite/computation/computation_printout.h"
#include "suite/report/paged_report.h"

namespace meridian::suite::computation {

std::shared_ptr<const report::PagedReport> paginatedPrintout(const PrintoutData& d, const PrintoutOptions& o,
                                                             PrintMode mode);

}  // namespace meridian::suite::computation
