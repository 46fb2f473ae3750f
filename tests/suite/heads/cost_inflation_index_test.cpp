// The cost inflation index table: the shipped one covers every year a return
// is computed for, an unsound table is refused with the fault named, and a
// cost is indexed from the year first held (1981-82 for an older asset).
#include "suite/heads/cost_inflation_index.h"

#include <gtest/gtest.h>

#include "suite/engine/year_law.h"

namespace meridian::suite::heads {
namespace {

CivilDate on(int d, int m, int y) { return *makeDate(d, m, y); }

TEST(CostInflationIndex, ShippedTableServesEveryTransferOfTheYearsComputed) {
  const auto& cii = CostInflationIndex::shipped();
  EXPECT_EQ(cii.firstYear(), 1981);
  // A transfer in the previous year of the last A.Y. computed needs its index.
  EXPECT_GE(cii.lastYear(), engine::kLastComputedYear - 1);
  for (const auto& e : cii.entries()) EXPECT_NE(e.source.find("S.O."), std::string::npos) << e.year;
}

TEST(CostInflationIndex, RefusesAnUnsoundTableNamingTheFault) {
  const std::string header = "financial_year,index,source\n";
  const struct {
    const char* name;
    std::string csv;
    const char* fault;
  } cases[] = {
      {"gap", header + "1981-82,100,S.O. 1\n1983-84,116,S.O. 2\n", "line 3: follows 1981 with 1983"},
      {"repeat", header + "1981-82,100,S.O. 1\n1981-82,109,S.O. 2\n", "follows 1981 with 1981"},
      {"not rising", header + "1981-82,100,S.O. 1\n1982-83,100,S.O. 2\n", "the index 100 does not rise above 100"},
      {"no source", header + "1981-82,100,S.O. 1\n1982-83,109,\n", "line 3: names no notification"},
      {"base not 100", header + "1981-82,90,S.O. 1\n", "the base year's index must be 100"},
      {"bad year", header + "1981-83,100,S.O. 1\n", "\"1981-83\" is not a financial year"},
      {"no header", "1981-82,100,S.O. 1\n", "the first line must be"},
      {"empty", header, "the table holds no year"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      CostInflationIndex::fromCsv(c.csv);
      ADD_FAILURE() << "accepted";
    } catch (const InvalidIndexTable& e) {
      ASSERT_FALSE(e.faults.empty());
      bool named = false;
      for (const auto& f : e.faults) named = named || f.find(c.fault) != std::string::npos;
      EXPECT_TRUE(named) << e.what();
    }
  }
  EXPECT_NO_THROW(CostInflationIndex::fromCsv(header + "1981-82,100,S.O. 709(E), as amended\n1982-83,109,S.O. 2\n"))
      << "a source may hold commas";
}

TEST(CostInflationIndex, IndexesACostFromTheYearFirstHeld) {
  const auto& cii = CostInflationIndex::shipped();
  const struct {
    const char* name;
    Money cost;
    int from, to;
    Money indexed;
  } cases[] = {
      // 20,00,000 x 1081 / 497 = 43,50,100.60, to the rupee.
      {"2005-06 to 2015-16", Money::rupees(2000000), 2005, 2015, Money::rupees(4350101)},
      // Held before 1 April 1981: from the base year's 100.
      {"1975-76 to 2015-16", Money::rupees(100000), 1975, 2015, Money::rupees(1081000)},
      {"same year", Money::rupees(123456), 2016, 2016, Money::rupees(123456)},
      // 1,00,000 x 1125 / 1024 = 1,09,863.28.
      {"2014-15 to 2016-17", Money::rupees(100000), 2014, 2016, Money::rupees(109863)},
  };
  for (const auto& c : cases) EXPECT_EQ(indexedCost(cii, c.cost, c.from, c.to), c.indexed) << c.name;
  EXPECT_FALSE(indexedCost(cii, Money::rupees(1), 2001, cii.lastYear() + 1)) << "a year without an index";
}

TEST(CostInflationIndex, FinancialYearTurnsOnTheFirstOfApril) {
  EXPECT_EQ(financialYearOf(on(31, 3, 2016)), 2015);
  EXPECT_EQ(financialYearOf(on(1, 4, 2016)), 2016);
  EXPECT_EQ(financialYearOf(on(31, 12, 2016)), 2016);
}

}  // namespace
}  // namespace meridian::suite::heads
