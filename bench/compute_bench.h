#pragma once

namespace meridian::bench {
// Computing 10,000 client years, as a ratio to building their input records.
void runComputeBenchmarks();
}  // namespace meridian::bench
