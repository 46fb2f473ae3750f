// The set-off of unabsorbed depreciation on the computation screen: the sum
// to be set off and the room each head leaves, the refusals of amounts that
// are negative, beyond a head's income or short of the sum, and the status
// line. The screen's use of them is tested with the computation screen.
#include "suite/computation/undepr_setoff.h"

#include <gtest/gtest.h>

#include "suite/engine/compute_year.h"

namespace meridian::suite::computation {
namespace {

Money rs(std::int64_t r) { return Money::rupees(r); }

// Business income 3,00,000 and other sources 50,000 against unabsorbed
// depreciation brought forward of the given amount.
UndeprEntry entryFor(std::int64_t broughtForward) {
  engine::YearInput in;
  in.year = 2016;
  in.status = engine::Status::company;
  in.business.netProfit = rs(300000);
  in.otherSources.otherInterest = rs(50000);
  in.lossesBroughtForward = {{engine::LossKind::unabsorbedDepreciation, 2012, rs(broughtForward)}};
  return undeprEntryOf(engine::computeYear(in));
}

TEST(UndeprSetOff, TheSumIsWhatTheHeadsCanTakeAndEachAmountIsChecked) {
  EXPECT_EQ(entryFor(100000).toSetOff, rs(100000));
  EXPECT_EQ(entryFor(900000).toSetOff, rs(350000)) << "no more than the heads' income";
  const UndeprEntry e = entryFor(100000);
  EXPECT_EQ(e.heads.at(1).available, rs(300000));
  EXPECT_EQ(e.heads.at(5).available, rs(50000));

  struct Case {
    std::int64_t value, limit;
    std::optional<std::string> refusal;
  } cases[] = {
      {-1, 50000, "Value can not be less than 0"},
      {50001, 50000, "Value can not be greater than 50000.00"},
      {50000, 50000, std::nullopt},
      {0, 0, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(refusalOf(rs(c.value), rs(c.limit)), c.refusal) << c.value;
}

TEST(UndeprSetOff, TheStatusLineAndTheWholeEntrySayWhatIsLeft) {
  struct Case {
    std::int64_t business, otherSources;
    std::string line;
    bool refused;
  } cases[] = {
      {60000, 0, "Balance Unabsorbed Depreciation to be set-off : 40000.00", true},
      {90000, 30000, "Excess Unabsorbed Depreciation can not be set-off : 20000.00", true},
      {70000, 30000, "", false},
  };
  for (const auto& c : cases) {
    UndeprEntry e = entryFor(100000);
    e.heads[1].setOff = rs(c.business);
    e.heads[5].setOff = rs(c.otherSources);
    EXPECT_EQ(balanceLine(e), c.line);
    EXPECT_EQ(refusalOf(e).has_value(), c.refused);
    if (c.refused) EXPECT_EQ(*refusalOf(e), "Unabsorbed Depreciation Set Off Amount Should be 100000.00");
  }
}

}  // namespace
}  // namespace meridian::suite::computation
