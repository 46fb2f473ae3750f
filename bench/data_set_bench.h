#pragma once
namespace meridian::bench {
// The copy of one client's year across every listed year table, as a ratio to
// the same INSERT ... SELECT statements run bare.
void runDataSetBenchmarks();
}  // namespace meridian::bench
