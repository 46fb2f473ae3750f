#include "suite/report/make_report_writer.h"

#include "suite/report/report_writer_impl.h"

namespace meridian::suite::report {

std::unique_ptr<host::ReportWriter> makeReportWriter(ReportSink sink) {
  return std::make_unique<ReportWriterImpl>(std::move(sink));
}

}  // namespace meridian::suite::report
