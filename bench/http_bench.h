#pragma once
namespace meridian::bench {
// Sign-in, the client list page and a search keystroke over HTTP, at 1 and
// 50 users at once, each as ratios to a bare round trip on the same server.
void runHttpBenchmarks();
}  // namespace meridian::bench
