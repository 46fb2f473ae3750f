#pragma once
namespace meridian::bench {
// Checking and digesting 1,000 e-returns, as a ratio to libxml2 checking the
// same 1,000 files against the same schema alone.
void runEfileBenchmarks();
// The batch alone against its baselines (meridian_bench efile-batch).
void runEfileBatchBenchmarks();
}  // namespace meridian::bench
