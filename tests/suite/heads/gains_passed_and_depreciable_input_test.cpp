// Gains on depreciable assets (capital_depr) and income passed through by
// trusts and funds (schpti) as the computation reads them: a block the
// depreciation chart also holds gives its gain once, the chart's; each
// Schedule PTI row joins its head.
#include <gtest/gtest.h>

#include <algorithm>

#include "db/rows.h"
#include "suite/heads/depreciable_gains_input.h"
#include "suite/heads/year_input_loader.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

Money rs(long long r) { return Money::rupees(r); }

assets::BlockDepreciation charted(const char* block, int rate, long long gain) {
  assets::BlockDepreciation b;
  b.block = block;
  b.ratePercent = rate;
  b.shortTermGain = rs(gain);
  return b;
}

TEST(DepreciableGainsTaken, TheChartsBlockIsNotCountedTwice) {
  const std::vector<assets::BlockDepreciation> chart{charted("Machinary and plant", 15, 0),
                                                     charted("Buildings", 10, 50000)};
  struct Case {
    const char* why;
    DepreciableGainRow row;
    long long taken;
    bool noted;
  } cases[] = {
      {"a block the chart has not", {"Furniture and fittings", 10, {rs(300000), rs(10000), rs(200000)}}, 90000, false},
      {"the chart's block typed otherwise, the chart has no gain",
       {" machinary AND plant ", 15, {rs(500000), Money(), rs(400000)}}, 0, true},
      {"the chart's block with the chart's gain", {"Buildings", 10, {rs(250000), Money(), rs(200000)}}, 0, false},
      {"the same block at another rate is another block",
       {"Buildings", 5, {rs(100000), Money(), rs(150000), true}}, -50000, false},
      {"a block that goes on, sold below its value", {"Ships", 20, {rs(100000), Money(), rs(150000)}}, 0, false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> notes;
    EXPECT_EQ(depreciableGainsTaken({c.row}, chart, notes), rs(c.taken)) << c.why;
    EXPECT_EQ(notes.size(), c.noted ? 1u : 0u) << c.why;
  }
  std::vector<std::string> notes;
  depreciableGainsTaken({cases[1].row}, chart, notes);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0],
            "Capital gain u/s 50 on the block \" machinary AND plant \" at 15 % is taken from the depreciation chart "
            "(Rs. 0), not from \"Capital Gain on Depreciable Assets\" (Rs. 1,00,000): the chart holds the same block.");
}

class GainsPassedAndDepreciable : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
};

TEST_P(GainsPassedAndDepreciable, TheStoredYearTakesEachOnce) {
  // The chart's buildings fetched 2,60,000 against 2,00,000: 60,000 u/s 50(1).
  db::insertRow(conn(), "dep_itr_it",
                {{"code_no", "I1"}, {"t_year", 2016}, {"srno", 1}, {"item", "OFFICE"}, {"block", "Buildings"},
                 {"rate", 10}, {"opening_wdv", "200000.00"}, {"sales", "260000.00"}});
  // The same block on the screen, and furniture the chart has not:
  // 1,20,000 - 5,000 - 50,000 = 65,000.
  db::insertRow(conn(), "capital_depr",
                {{"code_no", "I1"}, {"ass_year", 2016}, {"srno", 1}, {"block", "BUILDINGS"}, {"rate", 10},
                 {"sale_val", "260000.00"}, {"wdv", "200000.00"}});
  db::insertRow(conn(), "capital_depr",
                {{"code_no", "I1"}, {"ass_year", 2016}, {"srno", 2}, {"block", "Furniture and fittings"}, {"rate", 10},
                 {"sale_val", "120000.00"}, {"wdv", "50000.00"}, {"exp_trf", "5000.00"}});
  const struct {
    int srno;
    const char *name, *head, *amount;
  } passed[] = {{1, "INFRA TRUST", "OS", "12000.00"},
                {2, "VENTURE FUND", "LTCG", "80000.00"},
                {3, "VENTURE FUND", "EX", "5000.00"},
                {4, "UNNAMED HEAD", "", "100.00"}};
  for (const auto& p : passed)
    db::insertRow(conn(), "schpti",
                  {{"code_no", "I1"}, {"ass_year", 2016}, {"srno", p.srno}, {"inv_kind", "IF"}, {"inv_name", p.name},
                   {"head", p.head}, {"amount", p.amount}});
  const LoadedYear loaded = loadYearInput(conn(), {"I1", "I1", 2016});
  EXPECT_EQ(loaded.input.capitalGains.stcgOther, rs(125000));
  EXPECT_EQ(loaded.input.passThrough.otherSources, rs(12000));
  EXPECT_EQ(loaded.input.passThrough.longTerm, rs(80000));
  EXPECT_EQ(loaded.input.passThrough.exempt, rs(5000));
  EXPECT_NE(std::find(loaded.notes.begin(), loaded.notes.end(),
                      "Pass through income from \"UNNAMED HEAD\" has no head of income and is left out."),
            loaded.notes.end());
  // Another year's rows stay out.
  EXPECT_TRUE(loadYearInput(conn(), {"I1", "I1", 2015}).input.capitalGains.stcgOther.isZero());
}

MERIDIAN_ON_BOTH_ENGINES(GainsPassedAndDepreciable);

}  // namespace
}  // namespace meridian::suite::heads
