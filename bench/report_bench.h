#pragma once

namespace meridian::bench {

// Prints the cost of a 10,000-line report through the report writer, as
// ratios against writing the same text into a string.
void runReportBenchmarks();

}  // namespace meridian::bench
