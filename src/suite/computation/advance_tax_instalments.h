#pragma once
// The advance-tax instalments of the estimation: the two notes of no
// liability, or the eleven-column table of instalments with the interest
// u/s 234C on each.
#include "host/report_writer.h"
#include "suite/computation/computation_printout.h"

namespace meridian::suite::computation {

void printInstalments(host::ReportWriter& rep, const PrintoutData& d, bool borders);

}  // namespace meridian::suite::computation
