#pragma once
// Timing for benchmarks: the best of several runs, so a busy machine's
// interruptions do not count against the code being measured.
#include <chrono>
#include <limits>

namespace meridian::bench {

template <class Work>
double bestOfMilliseconds(int runs, Work work) {
  double best = std::numeric_limits<double>::infinity();
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    work();
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (elapsed.count() < best) best = elapsed.count();
  }
  return best;
}

}  // namespace meridian::bench
