// Additional depreciation u/s 32(1)(iia), a block that ceases (s.50(2)) and
// the chart carried into the next year, worked by hand.
#include <gtest/gtest.h>

#include "suite/assets/chart_carry_forward.h"
#include "suite/assets/depreciation.h"

namespace meridian::suite::assets {
namespace {

Money rs(long long r) { return Money::rupees(r); }

ChartItem plant(long long opening, long long full, long long half, long long sales, bool newPlant = false,
                long long balance = 0, bool ceases = false) {
  return {"PRESS", kPlantBlock, 15, rs(opening), rs(full), rs(half), rs(sales), newPlant, rs(balance), ceases};
}

TEST(AdditionalDepreciation, NewPlantOfAManufacturerByYear) {
  const struct {
    const char* why;
    int year;
    ChartItem item;
    long long normal, additional, balanceAllowed, carried, closing, gain;
  } cases[] = {
      // 15 % and 20 % of 10 lakh.
      {"used 180 days or more", 2016, plant(0, 1000000, 0, 0, true), 150000, 200000, 0, 0, 650000, 0},
      // 7.5 % and 10 % of 10 lakh; the other 10 % allowed next year.
      {"used less than 180 days, A.Y. 2016-17", 2016, plant(0, 0, 1000000, 0, true), 75000, 100000, 0, 100000, 825000,
       0},
      {"used less than 180 days, A.Y. 2015-16: A.Y. 2016-17 takes the rest", 2015, plant(0, 0, 1000000, 0, true),
       75000, 100000, 0, 100000, 825000, 0},
      {"used less than 180 days, A.Y. 2014-15: the rest is lost", 2014, plant(0, 0, 1000000, 0, true), 75000, 100000,
       0, 0, 825000, 0},
      // 15 % of 8,25,000 = 1,23,750, with last year's 1,00,000.
      {"last year's half allowed, A.Y. 2016-17", 2016, plant(825000, 0, 0, 0, false, 100000), 123750, 0, 100000, 0,
       601250, 0},
      {"last year's half before the proviso, A.Y. 2015-16", 2015, plant(825000, 0, 0, 0, false, 100000), 123750, 0, 0,
       0, 701250, 0},
      {"additions that are not new plant", 2016, plant(0, 1000000, 0, 0, false), 150000, 0, 0, 0, 850000, 0},
      // Sales of 6 lakh against the 10 lakh: 15 % of 4 lakh; the additional
      // depreciation is on the cost of the new plant, 20 % of 10 lakh.
      {"sales in the year", 2016, plant(0, 1000000, 0, 600000, true), 60000, 200000, 0, 0, 140000, 0},
      // 15 % of 2 lakh = 30,000 leaves 1,70,000: 20 % of 10 lakh is held to it.
      {"never below nil", 2016, plant(0, 1000000, 0, 800000, true), 30000, 170000, 0, 0, 0, 0},
      // Every asset sold for 3 lakh against 5 lakh: a loss of 2 lakh, no
      // depreciation (s.50(2)).
      {"block ceases below its value", 2016, plant(500000, 0, 0, 300000, false, 0, true), 0, 0, 0, 0, 0, -200000},
      {"block ceases above its value", 2016, plant(500000, 0, 0, 550000, false, 0, true), 0, 0, 0, 0, 0, 50000},
      {"block ceases at its value", 2016, plant(500000, 0, 0, 500000, false, 0, true), 0, 0, 0, 0, 0, 0},
      {"sales short of the value, block goes on", 2016, plant(500000, 0, 0, 300000), 30000, 0, 0, 0, 170000, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const DepreciationChart chart = depreciationChart({c.item}, c.year);
    ASSERT_EQ(chart.blocks.size(), 1u);
    const BlockDepreciation& b = chart.blocks[0];
    EXPECT_EQ(b.normal, rs(c.normal));
    EXPECT_EQ(b.additional, rs(c.additional));
    EXPECT_EQ(b.additionalBalanceAllowed, rs(c.balanceAllowed));
    EXPECT_EQ(b.additionalCarried, rs(c.carried));
    EXPECT_EQ(b.depreciation, rs(c.normal + c.additional + c.balanceAllowed));
    EXPECT_EQ(b.closingWdv, rs(c.closing));
    EXPECT_EQ(chart.shortTermGain(), rs(c.gain));
  }
}

TEST(AdditionalDepreciation, OnlyMachineryAndPlantTakesIt) {
  const ChartItem building{"SHED", "Buildings", 10, rs(0), rs(1000000), rs(0), rs(0), true};
  EXPECT_EQ(depreciationChart({building}, 2016).depreciation(), rs(100000));
}

TEST(AdditionalDepreciation, MistypedLinesOfTheTableAreRefused) {
  const std::string titles = "from_year,to_year,percent,balance_allowed,source\n";
  const struct {
    const char* lines;
    const char* message;
  } cases[] = {
      {"2013,2017,0,no,s.32\n", "data/additional_depreciation.csv line 2: \"0\" is not a whole per cent from 1 to 100"},
      {"2017,2013,20,no,s.32\n", "data/additional_depreciation.csv line 2: the last year comes before the first"},
      {"2013,2017,20,no,\n", "data/additional_depreciation.csv line 2: every line cites the section it comes from"},
      {"2013,2016,20,no,s.32\n2016,2017,20,yes,s.32\n",
       "data/additional_depreciation.csv line 3: the years overlap an earlier line"},
  };
  for (const auto& c : cases) {
    try {
      additionalDepreciationRule(titles + c.lines, 2016);
      ADD_FAILURE() << c.lines << " accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(ChartCarryForward, LastYearsCloseIsThisYearsOpening) {
  const std::vector<ChartItem> lastYear{
      {"PRESS", kPlantBlock, 15, rs(0), rs(0), rs(1000000), rs(0), true},
      {"DIE", kPlantBlock, 15, rs(200000), rs(0), rs(0), rs(0)},
      {"OFFICE", "Buildings", 10, rs(300000), rs(0), rs(0), rs(300000)},
      {"GOODWILL", kOtherBlock, 25, rs(80000), rs(20000), rs(0), rs(0)},
  };
  const auto opening = openingChart(lastYear, 2015);
  // Machinery: 10 lakh at 7.5 % + 10 %, 2 lakh at 15 %: 1,75,000 + 30,000
  // off 12 lakh; the other 1 lakh of additional depreciation comes along.
  // Buildings sold at their value: nil, left out. Goodwill as it stood.
  ASSERT_EQ(opening.size(), 2u);
  EXPECT_EQ(opening[0].particulars, "PRESS, DIE");
  EXPECT_EQ(opening[0].block, kPlantBlock);
  EXPECT_EQ(opening[0].ratePercent, 15);
  EXPECT_EQ(opening[0].openingWdv, rs(995000));
  EXPECT_EQ(opening[0].additionalBroughtForward, rs(100000));
  EXPECT_TRUE(opening[0].additionsFull.isZero() && opening[0].additionsHalf.isZero() && opening[0].sales.isZero());
  EXPECT_EQ(opening[1].particulars, "GOODWILL");
  EXPECT_EQ(opening[1].openingWdv, rs(100000));
  // The year opened takes the rest of the additional depreciation.
  EXPECT_EQ(depreciationChart(opening, 2016).blocks[0].additionalBalanceAllowed, rs(100000));
}

}  // namespace
}  // namespace meridian::suite::assets
