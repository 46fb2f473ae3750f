// Each head of income at and around its limits, year by year. Expected
// figures are worked by hand in the comments.
#include <gtest/gtest.h>

#include "engine_cases.h"
#include "suite/engine/heads.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::law;
using testing::rs;

TEST(EngineSalary, ExemptAllowancesAndSection16) {
  struct Case {
    int year;
    SalaryInput in;
    std::int64_t income;
  } cases[] = {
      // 600000 + 50000 perquisites - 40000 exempt - 5000 entertainment (cap) - 2500 professional tax.
      {2013, {rs(600000), rs(40000), rs(50000), Money(), rs(8000), rs(2500)}, 602500},
      // Entertainment claimed below the cap is allowed as claimed: 300000 - 3000.
      {2017, {rs(300000), Money(), Money(), Money(), rs(3000), Money()}, 297000},
      // Deductions never take salary below nil: 4000 - 4000 entertainment.
      {2015, {rs(4000), Money(), Money(), Money(), rs(4000), rs(2500)}, 0},
      // Profits in lieu of salary are salary (s.17(3)): 100000 + 25000.
      {2016, {rs(100000), Money(), Money(), rs(25000), Money(), Money()}, 125000},
  };
  for (const auto& c : cases) EXPECT_EQ(salaryOf(c.in, law(c.year)).income, rs(c.income)) << c.year;
}

TEST(EngineHouseProperty, SelfOccupiedInterestCapsByYearAndLoanDate) {
  struct Case {
    int year;
    bool oldLoan;
    std::int64_t interest, allowed;
  } cases[] = {
      {2013, false, 150000, 150000}, {2013, false, 150001, 150000}, {2014, false, 200000, 150000},
      {2015, false, 200000, 200000}, {2015, false, 200001, 200000}, {2016, false, 250000, 200000},
      {2017, false, 199999, 199999}, {2013, true, 30001, 30000},    {2017, true, 200000, 30000},
  };
  for (const auto& c : cases) {
    HouseInput h{HouseUse::selfOccupied, Money(), Money(), Money(), rs(c.interest), c.oldLoan, 100};
    const auto f = housesOf({h}, law(c.year));
    EXPECT_EQ(f[0].interestAllowed, rs(c.allowed)) << c.year << " " << c.interest;
    EXPECT_EQ(f[0].income, -rs(c.allowed));
  }
}

TEST(EngineHouseProperty, TwoSelfOccupiedHousesShareOneCap) {
  // 2016: 120000 on an old loan (30000 of it allowed) and 190000 on a new one:
  // together at most 200000, so the second gets 170000.
  const auto f = housesOf({{HouseUse::selfOccupied, {}, {}, {}, rs(120000), true, 100},
                           {HouseUse::selfOccupied, {}, {}, {}, rs(190000), false, 100}},
                          law(2016));
  EXPECT_EQ(f[0].interestAllowed, rs(30000));
  EXPECT_EQ(f[1].interestAllowed, rs(170000));
}

TEST(EngineHouseProperty, LetOutAtThirtyPercentAndCoOwnerShare) {
  struct Case {
    HouseInput in;
    std::int64_t income;
  } cases[] = {
      // 240000 - 10000 unrealised - 20000 municipal = 210000; 30 % = 63000; interest 100000: 47000.
      {{HouseUse::letOut, rs(240000), rs(10000), rs(20000), rs(100000), false, 100}, 47000},
      // Half share: NAV 105000, 31500, interest 50000: 23500.
      {{HouseUse::letOut, rs(240000), rs(10000), rs(20000), rs(100000), false, 50}, 23500},
      // Deemed let out: expected rent 120000, no cap on interest 300000: 84000 - 300000.
      {{HouseUse::deemedLetOut, rs(120000), Money(), Money(), rs(300000), false, 100}, -216000},
      // Municipal tax above the rent: no 30 % on a negative value: -5000.
      {{HouseUse::letOut, rs(10000), Money(), rs(15000), Money(), false, 100}, -5000},
  };
  for (const auto& c : cases) EXPECT_EQ(housesOf({c.in}, law(2016))[0].income, rs(c.income));
}

TEST(EngineBusiness, Presumptive44adRatesLimitsAndDeclaredHigher) {
  struct Case {
    int year;
    Status status;
    std::int64_t turnover, digital, declared, income;
    bool applied;
  } cases[] = {
      // 8 % of 1 crore exactly, the limit to 2016-17.
      {2016, Status::individual, 10000000, 0, 0, 800000, true},
      // One rupee over the limit: the declared income stands.
      {2016, Status::individual, 10000001, 0, 500000, 500000, false},
      // 2017-18: limit 2 crore; 8 % of 1.5 crore cash + 6 % of 50 lakh digital = 1200000 + 300000.
      {2017, Status::individual, 20000000, 5000000, 0, 1500000, true},
      // Digital turnover earns no lower rate before 2017-18: 8 % of 50 lakh.
      {2016, Status::huf, 5000000, 5000000, 0, 400000, true},
      // Declared higher than 8 %: 450000 over 400000.
      {2014, Status::firm, 5000000, 0, 450000, 450000, true},
      // An LLP cannot use s.44AD.
      {2017, Status::llp, 5000000, 0, 100000, 100000, false},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year, c.status);
    in.business.presumptive44ad = {rs(c.turnover), rs(c.digital), rs(c.declared)};
    const auto f = businessOf(in, law(c.year));
    EXPECT_EQ(f.presumptive44ad, rs(c.income)) << c.year << " " << c.turnover;
    EXPECT_EQ(f.applied44ad, c.applied) << c.year << " " << c.turnover;
  }
}

TEST(EngineBusiness, Presumptive44adaOnlyFrom2017) {
  struct Case {
    int year;
    std::int64_t receipts, declared, income;
  } cases[] = {
      {2016, 4000000, 900000, 900000},   // not in force: declared
      {2017, 5000000, 0, 2500000},       // half of 50 lakh, the limit
      {2017, 5000001, 900000, 900000},   // over the limit: declared
      {2017, 4000000, 2100000, 2100000}, // declared above half
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    in.business.presumptive44ada = {rs(c.receipts), rs(c.declared)};
    EXPECT_EQ(businessOf(in, law(c.year)).presumptive44ada, rs(c.income)) << c.year << " " << c.receipts;
  }
}

TEST(EngineBusiness, Presumptive44aeByYear) {
  struct Case {
    int year;
    GoodsCarriage vehicle;
    std::int64_t income;
  } cases[] = {
      // s.44AE(2): 5,000 a heavy and 4,500 another vehicle a month to A.Y.
      // 2014-15; 7,500 a vehicle from 2015-16 (Finance (No. 2) Act, 2014).
      {2013, {true, 12, 0, Money()}, 60000},      // 5000 x 12
      {2014, {false, 12, 0, Money()}, 54000},     // 4500 x 12
      {2015, {true, 7, 0, Money()}, 52500},       // 7500 x 7
      {2016, {false, 12, 0, Money()}, 90000},     // 7500 x 12
      {2017, {true, 12, 16, Money()}, 90000},     // 7500 x 12: the weight counts only from 2019-20
      {2017, {false, 10, 0, Money()}, 75000},     // 7500 x 10
      {2016, {false, 12, 0, rs(100000)}, 100000}, // declared higher than 90000
      {2014, {true, 12, 0, rs(50000)}, 60000},    // declared lower than 60000
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    in.business.presumptive44ae = {c.vehicle};
    EXPECT_EQ(businessOf(in, law(c.year)).presumptive44ae, rs(c.income)) << c.year;
  }
  // Eleven vehicles: the section does not apply; the declared incomes stand.
  YearInput in = blankYear(2016);
  in.business.presumptive44ae.assign(11, GoodsCarriage{false, 12, 0, rs(1000)});
  const auto f = businessOf(in, law(2016));
  EXPECT_FALSE(f.applied44ae);
  EXPECT_EQ(f.presumptive44ae, rs(11000));
}

TEST(EngineOtherSources, FamilyPensionAndMinorChildExemption) {
  struct Case {
    std::int64_t pension, deduction;
  } cases[] = {{30000, 10000}, {45000, 15000}, {45003, 15000}, {90000, 15000}, {100, 33}};
  for (const auto& c : cases) {
    YearInput in = blankYear(2016);
    in.otherSources.familyPension = rs(c.pension);
    const auto f = otherSourcesOf(in, law(2016));
    EXPECT_EQ(f.familyPensionDeduction, rs(c.deduction)) << c.pension;
    EXPECT_EQ(f.normal, rs(c.pension - c.deduction));
  }
  YearInput in = blankYear(2016);
  // Two minor children (1500 each, the second has only 1000) and a spouse's 5000.
  in.clubbed = {{true, rs(4000)}, {true, rs(1000)}, {false, rs(5000)}};
  EXPECT_EQ(otherSourcesOf(in, law(2016)).normal, rs(10000 - 1500 - 1000));
}

TEST(EngineCapitalGains, LossesOfTheYearWithinTheHead) {
  struct Case {
    CapitalGainsInput in;
    std::int64_t stcg111a, stcgOther, ltcgIndexed, ltcgWithout, stclLeft, ltclLeft;
  } cases[] = {
      // A short-term loss meets the gain at normal rates first, then the 20 % gain.
      {{rs(-50000), rs(30000), rs(40000), Money()}, 0, 0, 20000, 0, 0, 0},
      // A long-term loss meets no short-term gain: it is left.
      {{rs(10000), Money(), rs(-25000), Money()}, 10000, 0, 0, 0, 0, 25000},
      // A long-term loss against the 10 % gain when there is no 20 % gain.
      {{Money(), Money(), rs(-5000), rs(8000)}, 0, 0, 0, 3000, 0, 0},
  };
  for (const auto& c : cases) {
    const auto f = capitalGainsOf(c.in);
    EXPECT_EQ(f.stcg111a, rs(c.stcg111a));
    EXPECT_EQ(f.stcgOther, rs(c.stcgOther));
    EXPECT_EQ(f.ltcgIndexed, rs(c.ltcgIndexed));
    EXPECT_EQ(f.ltcgWithoutIndexation, rs(c.ltcgWithout));
    EXPECT_EQ(f.stclLeft, rs(c.stclLeft));
    EXPECT_EQ(f.ltclLeft, rs(c.ltclLeft));
  }
}

}  // namespace
}  // namespace meridian::engine
