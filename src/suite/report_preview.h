#pragma once
// The report writer as this installation ships it: a finished report becomes
// a preview (paged HTML) with its PDF made on request.
#include "suite/application.h"

namespace meridian::suite {

ReportWriterFactory standardReportWriters();

}  // namespace meridian::suite
