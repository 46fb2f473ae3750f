// The chart carried into a new year on both engines: read from the year
// before in the data set given (a revised return's, say), written under the
// new year, and never over a chart the year already has.
#include <gtest/gtest.h>

#include "db/rows.h"
#include "suite/assets/chart_carry_forward.h"
#include "suite/assets/fixed_asset_chart.h"
#include "support/db_fixture.h"

namespace meridian::suite::assets {
namespace {

class ChartCarry : public testsupport::DbTest {
 protected:
  void item(const std::string& code, int year, int srno, const char* opening) {
    db::insertRow(conn(), kChartTable,
                  {{"code_no", code}, {"t_year", year}, {"srno", srno}, {"item", "LATHE"}, {"block", kPlantBlock},
                   {"rate", 15}, {"opening_wdv", opening}, {"add_full", "0"}, {"add_half", "0"}, {"sales", "0"}});
  }
};

TEST_P(ChartCarry, TheSettledDataSetOfLastYearOpensThisYear) {
  item("C1", 2015, 1, "100000");     // as first filed
  item("C1^R-1", 2015, 1, "200000");  // as revised: the figures that stand
  EXPECT_TRUE(chartCarriable(conn(), "C1^R-1", "C1", 2016));
  auto tx = conn().begin();
  EXPECT_EQ(carryChartForward(conn(), "C1^R-1", "C1", 2016), 1);
  tx.commit();
  const auto carried = readChart(conn(), "C1", 2016);
  ASSERT_EQ(carried.size(), 1u);
  EXPECT_EQ(carried[0].openingWdv, Money::rupees(170000)) << "15 % off the revised 2,00,000";
  EXPECT_EQ(readChart(conn(), "C1", 2015).size(), 1u) << "last year untouched";
  EXPECT_EQ(readChart(conn(), "C1^R-1", 2016).size(), 0u) << "the revision's data set gets no year of its own";

  // Opened again: the year has its chart now.
  EXPECT_FALSE(chartCarriable(conn(), "C1^R-1", "C1", 2016));
  EXPECT_EQ(carryChartForward(conn(), "C1^R-1", "C1", 2016), 0);
  // A revision of this year does not take last year's chart as its own year.
  EXPECT_FALSE(chartCarriable(conn(), "C1", "C1^R-1", 2015));
}

MERIDIAN_ON_BOTH_ENGINES(ChartCarry);

}  // namespace
}  // namespace meridian::suite::assets
