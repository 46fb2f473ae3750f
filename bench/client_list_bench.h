#pragma once
namespace meridian::bench {
// The client list over 50,000 clients: load, one search, and the page the
// browser receives, each against a bare SELECT * of the same table.
void runClientListBenchmarks();
}  // namespace meridian::bench
