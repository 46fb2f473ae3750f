#pragma once
// The depreciation schedule of the printed computation: the year's
// fixed-asset chart by block, as the chart's own module computes it, added
// after the statements of the business.
#include "host/report_writer.h"
#include "suite/assets/depreciation.h"

namespace meridian::suite::computation {

// Nothing when the chart holds no item.
void printDepreciationSchedule(host::ReportWriter& rep, const assets::DepreciationChart& chart, int year, bool borders);

}  // namespace meridian::suite::computation
