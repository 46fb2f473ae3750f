// The gain on a block of depreciable assets: only an excess while the block
// goes on, the whole difference once it ceases.
#include <gtest/gtest.h>

#include "suite/heads/depreciable_gain.h"

namespace meridian::suite::heads {
namespace {

TEST(DepreciableAssetGain, AnExcessWhileTheBlockGoesOnTheDifferenceWhenItCeases) {
  struct Case {
    const char* why;
    long long consideration, expenses, writtenDown;
    bool ceased;
    long long gain;
  } cases[] = {
      {"sold above the block's value", 500000, 5000, 200000, false, 295000},
      {"sold below it, the block goes on", 150000, 0, 200000, false, 0},
      {"the expenses take the excess away", 205000, 5000, 200000, false, 0},
      {"the last asset sold below the block's value", 150000, 2000, 200000, true, -52000},
      {"the last asset sold above it", 260000, 0, 200000, true, 60000},
  };
  for (const auto& c : cases)
    EXPECT_EQ(depreciableAssetGain({Money::rupees(c.consideration), Money::rupees(c.expenses),
                                    Money::rupees(c.writtenDown), c.ceased}),
              Money::rupees(c.gain))
        << c.why;
}

}  // namespace
}  // namespace meridian::suite::heads
