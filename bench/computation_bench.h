#pragma once

namespace meridian::bench {

// Prints the cost of the computation printout of one client year and of
// 1,000 client years (the stored year read, computed and printed), as ratios
// against writing as many plain lines through the report writer alone.
void runComputationBenchmarks();

}  // namespace meridian::bench
