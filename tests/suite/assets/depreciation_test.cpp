// Depreciation of a block u/s 32(1)(ii), worked by hand: the full rate on the
// written-down value and the additions put to use for 180 days or more, half
// the rate on the rest, sales taken off the full-rate value first, and a
// block whose sales exceed its value and additions giving a gain u/s 50.
#include <gtest/gtest.h>

#include "suite/assets/depreciation.h"

namespace meridian::suite::assets {
namespace {

Money rs(long long r) { return Money::rupees(r); }

TEST(Depreciation, BlocksAreDepreciatedAsWorkedByHand) {
  struct Case {
    const char* why;
    int rate;
    long long opening, full, half, sales;
    long long depreciation, closing, gain;
  };
  const Case cases[] = {
      // 15 % of 1,00,000.
      {"value brought forward alone", 15, 100000, 0, 0, 0, 15000, 85000, 0},
      // 15 % of 1,50,000 = 22,500; 7.5 % of 40,000 = 3,000.
      {"additions on both sides of 180 days", 15, 100000, 50000, 40000, 0, 25500, 164500, 0},
      // 60,000 of sales off 1,00,000 at full rate: 15 % of 40,000 = 6,000.
      {"sales within the full-rate value", 15, 100000, 0, 0, 60000, 6000, 34000, 0},
      // Sales of 70,000 exhaust the 50,000 and take 20,000 of the later
      // additions: 7.5 % of 80,000 = 6,000.
      {"sales reaching into the half-rate additions", 15, 50000, 0, 100000, 70000, 6000, 74000, 0},
      // 1,50,000 sold against 1,20,000: nil value, no depreciation, gain 30,000.
      {"sales beyond value and additions", 15, 100000, 0, 20000, 150000, 0, 0, 30000},
      {"sales equal to value and additions", 10, 60000, 0, 0, 60000, 0, 0, 0},
      // 10 % of 12,345 is 1,234.50: half to even, 1,234.
      {"half a rupee rounds to even", 10, 12345, 0, 0, 0, 1234, 11111, 0},
      // 10 % of 12,355 is 1,235.50: half to even, 1,236.
      {"half a rupee rounds up to even", 10, 12355, 0, 0, 0, 1236, 11119, 0},
      // Computers bought late in the year: 30 % of 50,000.
      {"computers used less than 180 days", 60, 0, 0, 50000, 0, 15000, 35000, 0},
      // A 100 % block: half of a late addition stays for next year.
      {"full write-off, addition late in the year", 100, 20000, 0, 10000, 0, 25000, 5000, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    BlockDepreciation b{"Machinary and plant", c.rate, rs(c.opening), rs(c.full), rs(c.half), rs(c.sales)};
    const BlockDepreciation d = depreciateBlock(b);
    EXPECT_EQ(d.depreciation, rs(c.depreciation));
    EXPECT_EQ(d.closingWdv, rs(c.closing));
    EXPECT_EQ(d.shortTermGain, rs(c.gain));
  }
}

TEST(Depreciation, ItemsArePooledByBlockAndRateAndOthersKeptApart) {
  const std::vector<ChartItem> items{
      {"LATHE", "Machinary and plant", 15, rs(80000), rs(0), rs(0), rs(0)},
      {"OFFICE BUILDING", "Buildings", 10, rs(500000), rs(0), rs(0), rs(0)},
      {"DRILL", "Machinary and plant", 15, rs(20000), rs(0), rs(40000), rs(0)},
      {"LAPTOP", "Machinary and plant", 60, rs(0), rs(60000), rs(0), rs(0)},
      {"GOODWILL", kOtherBlock, 25, rs(100000), rs(0), rs(0), rs(0)},
      {"PRINTER", "Machinary and plant", 25, rs(10000), rs(0), rs(0), rs(0)},
  };
  const DepreciationChart c = depreciationChart(items, 2016);
  ASSERT_EQ(c.blocks.size(), 3u);
  // The Appendix's order: buildings first, then machinery by rate.
  EXPECT_EQ(c.blocks[0].block, "Buildings");
  EXPECT_EQ(c.blocks[0].depreciation, rs(50000));
  EXPECT_EQ(c.blocks[1].ratePercent, 15);
  EXPECT_EQ(c.blocks[1].items, 2);
  // 15 % of 1,00,000 and 7.5 % of 40,000.
  EXPECT_EQ(c.blocks[1].depreciation, rs(18000));
  EXPECT_EQ(c.blocks[2].depreciation, rs(36000));
  EXPECT_EQ(c.depreciation(), rs(104000));
  ASSERT_EQ(c.outside.size(), 2u);
  EXPECT_EQ(c.outside[0].particulars, "GOODWILL");
  EXPECT_EQ(c.outside[1].particulars, "PRINTER");
  // A year the Rules' table does not reach takes no item into a block.
  EXPECT_TRUE(depreciationChart(items, 2019).blocks.empty());
}

TEST(DepreciationBlocks, TheShippedRatesAreThoseOfAppendixI) {
  const auto blocks = DepreciationBlocks::shipped().of(2013);
  ASSERT_EQ(blocks.size(), 5u);
  EXPECT_EQ(blocks[2].block, "Machinary and plant");
  EXPECT_EQ(blocks[2].rates, (std::vector<int>{15, 30, 40, 50, 60, 80, 100}));
  for (int year = 2013; year <= 2017; ++year) EXPECT_TRUE(DepreciationBlocks::shipped().allowed("Ships", 20, year));
  EXPECT_FALSE(DepreciationBlocks::shipped().allowed("Furniture and fittings", 15, 2016));
}

TEST(DepreciationBlocks, AnUnsoundTableIsRefusedWithItsLine) {
  const std::string head = "block,rate,from_year,to_year,source\n";
  const struct {
    const char* line;
    const char* says;
  } cases[] = {
      {"Buildings,ten,2013,2017,Rule 5", "line 2: \"ten\" is not a whole per cent"},
      {"Buildings,150,2013,2017,Rule 5", "between 1 and 100"},
      {"Buildings,10,2013,2017,", "cites the rule"},
      {"Other,10,2013,2017,Rule 5", "a block must be named"},
      {"Buildings,10,2017,2013,Rule 5", "last year comes before the first"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    try {
      DepreciationBlocks::fromCsv(head + c.line + "\n");
      ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(DepreciationBlocks::fromCsv(head + "Ships,20,2013,2017,A\nShips,20,2016,2018,B\n"), std::runtime_error);
}

}  // namespace
}  // namespace meridian::suite::assets
