// Set-off of losses of the year and of earlier years, and what is carried:
// the law's order, the heads each loss may meet, the years it may be carried
// and the bar on carrying losses of a return filed late.
#include <gtest/gtest.h>

#include <optional>

#include "engine_cases.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::rs;

const LossRow* rowOf(const YearResult& r, LossPart part, int year) {
  for (const auto& row : r.setOff.rows)
    if (row.part == part && row.year == year) return &row;
  return nullptr;
}

TEST(EngineSetOff, LossesOfTheYearAcrossHeads) {
  struct Case {
    const char* name;
    void (*set)(YearInput&);
    std::int64_t gti;
    LossPart carriedPart;
    std::int64_t carried;
  } cases[] = {
      // House-property loss meets salary (s.71): 500000 - 200000.
      {"house loss against salary",
       [](YearInput& in) {
         in.salaries = {{rs(500000)}};
         in.houses = {{HouseUse::selfOccupied, {}, {}, {}, rs(200000), false, 100}};
       },
       300000, LossPart::houseProperty, 0},
      // Business loss never meets salary (s.71(2A)): all 100000 carried.
      {"business loss not against salary",
       [](YearInput& in) {
         in.salaries = {{rs(500000)}};
         in.business.netProfit = rs(-100000);
       },
       500000, LossPart::business, 100000},
      // Business loss meets other sources, then a 20 % gain: 30000 + 50000, 20000 left.
      {"business loss against other heads",
       [](YearInput& in) {
         in.otherSources.otherInterest = rs(30000);
         in.capitalGains.ltcgIndexed = rs(50000);
         in.business.netProfit = rs(-100000);
       },
       0, LossPart::business, 20000},
      // Speculation loss meets nothing but speculation (s.73(1)).
      {"speculation loss stays in its kind",
       [](YearInput& in) {
         in.business.netProfit = rs(80000);
         in.business.speculation = rs(-30000);
       },
       80000, LossPart::speculation, 30000},
      // Ordinary business loss meets speculation profit within the head.
      {"business loss against speculation profit",
       [](YearInput& in) {
         in.business.netProfit = rs(-20000);
         in.business.speculation = rs(50000);
       },
       30000, LossPart::business, 0},
      // Winnings take no loss (s.58(4)): the house loss is carried.
      {"no loss against winnings",
       [](YearInput& in) {
         in.otherSources.winnings = rs(100000);
         in.houses = {{HouseUse::selfOccupied, {}, {}, {}, rs(50000), false, 100}};
       },
       100000, LossPart::houseProperty, 50000},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(2016);
    c.set(in);
    const YearResult r = computeYear(in);
    EXPECT_EQ(r.grossTotalIncome, rs(c.gti)) << c.name;
    const LossRow* row = rowOf(r, c.carriedPart, 2016);
    EXPECT_EQ(row ? row->carried : Money(), rs(c.carried)) << c.name;
  }
}

TEST(EngineSetOff, BroughtForwardWithinTheYearsAllowed) {
  struct Case {
    int year;
    LossKind kind;
    int lossYear;
    std::int64_t setOff, carried;
  } cases[] = {
      // Business loss: eight years (s.72(3)), against business and speculation
      // profit (100000 + 40000). From 2008-09 it may meet 2016-17 and lapses
      // after it; from 2009-10 the 10000 left goes on; 2007-08 has lapsed.
      {2016, LossKind::business, 2008, 140000, 0},
      {2016, LossKind::business, 2009, 140000, 10000},
      {2016, LossKind::business, 2007, 0, 0},
      // Speculation loss: four years (s.73(4)).
      {2016, LossKind::speculation, 2012, 40000, 0},
      {2016, LossKind::speculation, 2011, 0, 0},
      // Unabsorbed depreciation has no limit; it meets any head but salary:
      // business, speculation, house, other sources, gains: all 150000.
      {2016, LossKind::unabsorbedDepreciation, 2001, 150000, 0},
      // Long-term loss meets only the long-term gain of 30000; 120000 carried.
      {2017, LossKind::ltcl, 2015, 30000, 120000},
      // House-property loss meets only house property (s.71B): 42000.
      {2014, LossKind::houseProperty, 2013, 42000, 108000},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    in.salaries = {{rs(1000000)}};
    in.business.netProfit = rs(100000);
    in.business.speculation = rs(40000);
    in.otherSources.otherInterest = rs(50000);
    in.capitalGains.ltcgIndexed = rs(30000);
    in.houses = {{HouseUse::letOut, rs(60000), {}, {}, {}, false, 100}};  // 42000 after 30 %
    in.lossesBroughtForward = {{c.kind, c.lossYear, rs(150000)}};
    const YearResult r = computeYear(in);
    const LossRow* row = rowOf(r, partOf(c.kind), c.lossYear);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->setOff, rs(c.setOff)) << c.year << " from " << c.lossYear;
    EXPECT_EQ(row->carried, rs(c.carried)) << c.year << " from " << c.lossYear;
  }
}

TEST(EngineSetOff, RaceHorsesAndSpecifiedBusinessesMeetOnlyTheirOwnKind) {
  // Each year: salary 5,00,000, business 1,00,000, interest 50,000.
  struct Case {
    const char* name;
    int year;
    std::int64_t specified, raceHorses;  // the year's figure, a loss negative
    LossKind kind;                       // of the loss brought forward
    int lossYear;                        // 0: none brought forward
    std::int64_t gti;
    LossPart part;  // the row looked at, of `rowYear`
    int rowYear;
    std::int64_t setOff, carried;
  } cases[] = {
      // s.73A(1): a s.35AD loss of 80,000 meets neither business nor any
      // other head: GTI 6,50,000, all carried.
      {"specified loss of the year", 2016, -80000, 0, LossKind::business, 0, 650000,
       LossPart::specifiedBusiness, 2016, 0, 80000},
      // s.74A(3): a race-horse loss of 30,000 likewise.
      {"race-horse loss of the year", 2016, 0, -30000, LossKind::business, 0, 650000, LossPart::raceHorses, 2016, 0,
       30000},
      // s.73A(2): 1,50,000 brought forward meets the 60,000 profit of a
      // specified business only: GTI 6,50,000 + 60,000 - 60,000; 90,000 goes on
      // (no limit of years, 2010-11 in 2016-17).
      {"specified loss brought forward", 2016, 60000, 0, LossKind::specifiedBusiness, 2010, 650000,
       LossPart::specifiedBusiness, 2010, 60000, 90000},
      // Nothing of its kind: nothing set off, all carried.
      {"specified loss without specified profit", 2016, 0, 0, LossKind::specifiedBusiness, 2012, 650000,
       LossPart::specifiedBusiness, 2012, 0, 150000},
      // Race-horse loss of 2013-14 meets the 20,000 race-horse income of
      // 2017-18 (the fourth year after): 1,30,000 left lapses then.
      {"race-horse loss in its fourth year", 2017, 0, 20000, LossKind::raceHorses, 2013, 650000,
       LossPart::raceHorses, 2013, 20000, 0},
      // In its third year the 1,30,000 left goes on.
      {"race-horse loss in its third year", 2016, 0, 20000, LossKind::raceHorses, 2013, 650000,
       LossPart::raceHorses, 2013, 20000, 130000},
      // Five years on it has lapsed: the race-horse income is taxed whole.
      {"race-horse loss lapsed", 2017, 0, 20000, LossKind::raceHorses, 2012, 670000, LossPart::raceHorses, 2012, 0,
       0},
      // An ordinary business loss brought forward meets a specified business's
      // profit too (s.72(1), any business): 1,00,000 + 60,000 = 1,50,000 set off.
      {"business loss against a specified profit", 2016, 60000, 0, LossKind::business, 2014, 560000,
       LossPart::business, 2014, 150000, 0},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    in.salaries = {{rs(500000)}};
    in.business.netProfit = rs(100000);
    in.otherSources.otherInterest = rs(50000);
    in.business.specifiedBusiness = rs(c.specified);
    in.otherSources.raceHorses = rs(c.raceHorses);
    if (c.lossYear > 0) in.lossesBroughtForward = {{c.kind, c.lossYear, rs(150000)}};
    const YearResult r = computeYear(in);
    EXPECT_EQ(r.grossTotalIncome, rs(c.gti)) << c.name;
    const LossRow* row = rowOf(r, c.part, c.rowYear);
    ASSERT_NE(row, nullptr) << c.name;
    EXPECT_EQ(row->setOff, rs(c.setOff)) << c.name;
    EXPECT_EQ(row->carried, rs(c.carried)) << c.name;
  }
}

TEST(EngineSetOff, BusinessLossBeforeUnabsorbedDepreciation) {
  // s.72(2): business profit 100000 takes the brought-forward business loss of
  // 80000 first; depreciation of 50000 meets the rest 20000 and then 30000 of
  // other sources.
  YearInput in = blankYear(2015);
  in.business.netProfit = rs(100000);
  in.otherSources.otherInterest = rs(60000);
  in.lossesBroughtForward = {{LossKind::unabsorbedDepreciation, 2010, rs(50000)}, {LossKind::business, 2012, rs(80000)}};
  const YearResult r = computeYear(in);
  EXPECT_EQ(rowOf(r, LossPart::business, 2012)->setOff, rs(80000));
  EXPECT_EQ(rowOf(r, LossPart::unabsorbedDepreciation, 2010)->setOff, rs(50000));
  EXPECT_EQ(r.grossTotalIncome, rs(30000));
}

TEST(EngineSetOff, UnabsorbedDepreciationAsThePractitionerSpreadIt) {
  // A.Y. 2015-16: salary 3,00,000 (never meets depreciation), business
  // 1,00,000, other sources 60,000, a 20 % long-term gain 40,000. The business
  // loss of 2012-13, 80,000, goes first (s.72(2)), leaving business 20,000.
  // Unabsorbed depreciation of 2005-06 and 2010-11 has no limit of years.
  struct Case {
    const char* name;
    std::optional<DepreciationSpread> spread;
    std::int64_t of2005, of2010;
    std::int64_t otherSources, longTerm, gti, carried;
  } cases[] = {
      // Law's order: 50,000 meets business 20,000 and other sources 30,000;
      // 20,000 more other sources: 10,000 of them and the gain of 40,000 left.
      {"the law's order", std::nullopt, 50000, 20000, 10000, 40000, 350000, 0},
      // Spread business 20,000, long-term 40,000, other sources 10,000:
      // 50,000 meets business 20,000 and the gain 30,000; 20,000 meets the
      // gain's 10,000 and other sources 10,000. Left 50,000 of other sources.
      {"as spread", DepreciationSpread{{}, rs(20000), {}, {}, rs(40000), rs(10000)}, 50000, 20000, 50000, 0, 350000,
       0},
      // Long-term 60,000 typed against a gain of 40,000 and business 10,000:
      // 50,000 meets business 10,000 and the gain 40,000; 20,000 finds the
      // spread's heads spent and goes the law's way: business 10,000, other
      // sources 10,000, leaving 50,000 of them.
      {"more typed than a head holds", DepreciationSpread{{}, rs(10000), {}, {}, rs(60000), {}}, 50000, 20000, 50000,
       0, 350000, 0},
      // Business typed at 50,000 though the earlier business loss left
      // 20,000: 30,000 of the share goes unmet and returns to the law's way.
      {"a share the business loss took", DepreciationSpread{{}, rs(50000), {}, {}, {}, rs(20000)}, 50000, 20000,
       10000, 40000, 350000, 0},
      // 5,00,000 of 2005-06 against the whole 1,20,000 as spread: 3,80,000
      // carried on; that of 2010-11 (20,000) finds nothing and is carried too.
      {"more depreciation than income", DepreciationSpread{{}, rs(20000), {}, {}, rs(40000), rs(60000)}, 500000, 20000,
       0, 0, 300000, 400000},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(2015);
    in.salaries = {{rs(300000)}};
    in.business.netProfit = rs(100000);
    in.otherSources.otherInterest = rs(60000);
    in.capitalGains.ltcgIndexed = rs(40000);
    in.lossesBroughtForward = {{LossKind::business, 2012, rs(80000)},
                               {LossKind::unabsorbedDepreciation, 2005, rs(c.of2005)},
                               {LossKind::unabsorbedDepreciation, 2010, rs(c.of2010)}};
    in.depreciationSpread = c.spread;
    const YearResult r = computeYear(in);
    EXPECT_EQ(r.setOff.afterBroughtForward.otherSources, rs(c.otherSources)) << c.name;
    EXPECT_EQ(r.setOff.afterBroughtForward.ltcgIndexed, rs(c.longTerm)) << c.name;
    EXPECT_EQ(r.setOff.afterBroughtForward.salary, rs(300000)) << c.name;
    EXPECT_EQ(r.grossTotalIncome, rs(c.gti)) << c.name;
    EXPECT_EQ(rowOf(r, LossPart::unabsorbedDepreciation, 2005)->carried +
                  rowOf(r, LossPart::unabsorbedDepreciation, 2010)->carried,
              rs(c.carried))
        << c.name;
  }
}

TEST(EngineSetOff, ReturnFiledLateCarriesOnlyHouseLoss) {
  // s.80: losses of a return filed after the due date are not carried, save
  // house property (s.71B is outside s.80).
  YearInput in = blankYear(2016);
  in.business.netProfit = rs(-70000);
  in.capitalGains.stcgOther = rs(-10000);
  in.houses = {{HouseUse::selfOccupied, {}, {}, {}, rs(40000), false, 100}};
  in.dueDate = parseDmy("31/07/2016");
  in.filingDate = parseDmy("01/08/2016");
  const YearResult late = computeYear(in);
  EXPECT_EQ(rowOf(late, LossPart::business, 2016)->carried, Money());
  EXPECT_EQ(rowOf(late, LossPart::shortTerm, 2016)->carried, Money());
  EXPECT_EQ(rowOf(late, LossPart::houseProperty, 2016)->carried, rs(40000));
  in.filingDate = parseDmy("31/07/2016");
  const YearResult inTime = computeYear(in);
  EXPECT_EQ(rowOf(inTime, LossPart::business, 2016)->carried, rs(70000));
  EXPECT_EQ(rowOf(inTime, LossPart::shortTerm, 2016)->carried, rs(10000));
}

}  // namespace
}  // namespace meridian::engine
