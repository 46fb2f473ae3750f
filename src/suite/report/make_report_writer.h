#pragma once
// Creates the report writer the host hands to every screen.
#include <memory>

#include "host/report_writer.h"
#include "suite/report/paged_report.h"

namespace meridian::suite::report {

std::unique_ptr<host::ReportWriter> makeReportWriter(ReportSink sink);

}  // namespace meridian::suite::report
