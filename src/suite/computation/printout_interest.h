#pragma once
// The working of interest u/s 234A, 234B and 234C as the computation
// charged it: each stretch with the amount it ran on, the months and the
// rate, and each instalment's shortfall. Printed under the year's box "Show
// Calculation of 234 A, 234 B, 234 C".
#include "host/report_writer.h"
#include "suite/engine/year_result.h"

namespace meridian::suite::computation {

void printInterestWorking(host::ReportWriter& rep, const engine::InterestFigures& interest, bool borders);

}  // namespace meridian::suite::computation
