#include "cli/demo_seed.h"

#include <algorithm>
#include <iostream>

#include "suite/demo_practice.h"
#include "suite/opened_years.h"

namespace meridian::cli {

bool seedDemoWithSummaries(suite::Application& a) {
  if (!suite::seedDemoPracticeIfEmpty(a.conn(), a.data())) return false;
  std::cout << "demo practice seeded: " << a.conn().scalar("SELECT COUNT(*) FROM tempcltbl") << " clients\n";
  const auto computed = suite::recomputeOpenedYears(a.conn(), [](int done, int total) {
    // About ten steps of progress, however many years the demo holds.
    if (done == total || done % std::max(10, total / 10) == 0)
      std::cerr << "computing the demo years: " << done << " of " << total << "\r";
  });
  std::cerr << "\n";
  for (const auto& why : computed.refused) std::cerr << "meridian: not computed: " << why << "\n";
  std::cout << "summaries computed by the engine: " << computed.written << " years\n";
  return true;
}

}  // namespace meridian::cli
