#include "suite/computation/printout_document.h"

#include "suite/report/make_report_writer.h"

namespace meridian::suite::computation {

std::shared_ptr<const report::PagedReport> paginatedPrintout(const PrintoutData& d, const PrintoutOptions& o,
                                                             PrintMode mode) {
  std::shared_ptr<const report::PagedReport> paged;
  auto rep = report::makeReportWriter([&paged](std::shared_ptr<const report::PagedReport> p) { paged = std::move(p); });
  rep->WinModeReport = true;
  rep->NewReport();
  rep->ClientCodes = {d.client.code};
  printComputation(*rep, d, o, mode);
  rep->showreport();
  return paged;
}

}  // namespace meridian::suite::computation
