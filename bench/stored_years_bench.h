#pragma once

namespace meridian::bench {
// Computing 10,000 client years stored in the database (read by the heads'
// loader and computed, then also with their result rows written), as ratios
// to reading them alone.
void runStoredYearsBenchmarks();
}  // namespace meridian::bench
