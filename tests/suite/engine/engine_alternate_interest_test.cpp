// MAT and AMT with their credit, and interest u/ss 234A, 234B and 234C with
// the rounding of Rule 119A and the year's options. Figures worked by hand.
#include <gtest/gtest.h>

#include "engine_cases.h"
#include "suite/engine/interest.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::lateFiler;
using testing::rs;

TEST(EngineAlternateTax, MatAmtAndCredit) {
  struct Case {
    const char* name;
    int year;
    Status status;
    std::int64_t business, bookProfit, partC;
    std::vector<TaxCredit> credits;
    AlternateKind kind;
    bool payable;
    std::int64_t netTax, creditUsed, creditArisen;
  } cases[] = {
      // Normal 300000 + 3 % = 309000; MAT 18.5 % of 1 crore (not above it: no
      // surcharge) 1850000 + 3 % = 1905500; credit 1596500.
      {"company pays MAT", 2016, Status::company, 1000000, 10000000, 0, {}, AlternateKind::mat, true, 1905500, 0, 1596500},
      // Normal 927000; MAT on 20 lakh 381100; credit of 2010-11 used up to the
      // excess 545900, so all 500000; the 2006-07 credit has lapsed (ten years).
      {"company uses credit", 2017, Status::company, 3000000, 2000000, 0,
       {{2010, rs(500000)}, {2006, rs(100000)}}, AlternateKind::mat, false, 427000, 500000, 0},
      // Individual: total income 20 lakh (437750 with cess); adjusted 30 lakh,
      // AMT 555000 + 3 % = 571650; credit 133900.
      {"individual above twenty lakh", 2016, Status::individual, 3000000, 0, 1000000, {}, AlternateKind::amt, true, 571650, 0, 133900},
      // Adjusted total income 19 lakh: no AMT for an individual; tax on 18 lakh
      // 125000 + 240000 + 3 % = 375950.
      {"individual within twenty lakh", 2016, Status::individual, 1900000, 0, 100000, {}, AlternateKind::none, false, 375950, 0, 0},
      // A firm has no such limit: AMT 351500 + 3 % = 362045 under 556200.
      {"firm below AMT", 2016, Status::firm, 1900000, 0, 100000, {}, AlternateKind::amt, false, 556200, 0, 0},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year, c.status);
    in.business.netProfit = rs(c.business);
    in.bookProfit = rs(c.bookProfit);
    if (c.partC > 0) in.deductions.claimed["80IA"] = rs(c.partC);
    in.taxCreditsBroughtForward = c.credits;
    const YearResult r = computeYear(in);
    EXPECT_EQ(r.alternate.kind, c.kind) << c.name;
    EXPECT_EQ(r.alternate.payable, c.payable) << c.name;
    EXPECT_EQ(r.netTax, rs(c.netTax)) << c.name;
    EXPECT_EQ(r.alternate.creditUsed, rs(c.creditUsed)) << c.name;
    EXPECT_EQ(r.alternate.creditArisen, rs(c.creditArisen)) << c.name;
  }
}

TEST(EngineInterest, MonthsCountAPartAsWhole) {
  struct Case {
    const char* from;
    const char* to;
    int months;
  } cases[] = {{"01/08/2016", "31/07/2016", 0}, {"01/08/2016", "01/08/2016", 1}, {"01/08/2016", "31/08/2016", 1},
               {"01/08/2016", "01/09/2016", 2}, {"18/10/2016", "17/11/2016", 1}, {"18/10/2016", "18/11/2016", 2},
               {"01/04/2016", "31/07/2016", 4}, {"01/04/2016", "31/03/2017", 12}};
  for (const auto& c : cases) EXPECT_EQ(monthsCounted(*parseDmy(c.from), *parseDmy(c.to)), c.months) << c.from << " " << c.to;
}


TEST(EngineInterest, Sections234ABC) {
  struct Case {
    const char* name;
    void (*set)(YearInput&);
    std::int64_t a, b, c;
  } cases[] = {
      // 234A: 28700 (Rule 119A) x 1 % x 4 months (August to 15 November) = 1148.
      // 234B: 28700 x 1 % x 8 months (April to 15 November) = 2296.
      // 234C: 30 % = 8625 -> 8600 x 3 % = 258; 60 % = 17250 -> 17200 x 3 % = 516;
      // 28700 x 1 % = 287: 1061.
      {"nothing paid in advance", [](YearInput&) {}, 1148, 2296, 1061},
      // Self-assessment 20000 on 30/09 (after the due date): 234A unchanged;
      // 234B 28700 x 6 % + 8700 x 2 % = 1722 + 174.
      {"self-assessment before the return", [](YearInput& in) { in.taxesPaid.selfAssessment = {{*parseDmy("30/09/2016"), rs(20000)}}; },
       1148, 1896, 1061},
      // Self-assessment by the due date reduces the 234A base: 8750 -> 8700 x 4 %.
      {"self-assessment by the due date", [](YearInput& in) { in.taxesPaid.selfAssessment = {{*parseDmy("31/07/2016"), rs(20000)}}; },
       348, 1148 + 348, 1061},
      // Advance 26000 by 15/03 is at least 90 % of 28750 (25875): no 234B;
      // 234C on the earlier dates only: 258 + 516; 2750 -> 2700 x 1 % = 27.
      {"ninety per cent paid", [](YearInput& in) { in.taxesPaid.advance = {{*parseDmy("15/03/2016"), rs(26000)}}; },
       108, 0, 258 + 516 + 27},
      // Options: 234A not charged, 234C taken as typed.
      {"options", [](YearInput& in) { in.interest[0].choice = InterestChoice::none; in.interest[2] = {InterestChoice::byHand, rs(500)}; },
       0, 2296, 500},
      // Filed by the due date: no 234A; 234B for four months.
      {"filed in time", [](YearInput& in) { in.filingDate = parseDmy("31/07/2016"); }, 0, 1148, 1061},
      // A resident of sixty without business income owes no advance tax
      // (s.207(2)); the senior scale gives 120000 + 3 % = 123600, 23600 after
      // TDS: 234A 23600 x 4 % = 944.
      {"senior without business", [](YearInput& in) { in.dob = parseDmy("10/10/1950"); }, 944, 0, 0},
      // Tax after TDS below 10000: no advance tax (s.208).
      {"below the limit", [](YearInput& in) { in.taxesPaid.tds = rs(120000); }, 348, 0, 0},
  };
  for (const auto& c : cases) {
    YearInput in = lateFiler();
    c.set(in);
    const YearResult r = computeYear(in);
    EXPECT_EQ(r.interest.s234a, rs(c.a)) << c.name;
    EXPECT_EQ(r.interest.s234b, rs(c.b)) << c.name;
    EXPECT_EQ(r.interest.s234c, rs(c.c)) << c.name;
  }
}

TEST(EngineInterest, FourInstalmentsFrom2017) {
  // Firm, 2017-18: income 300000, tax 92700. 12000 paid by 15/06: 15 % is
  // 13905 but 12 % (11124) is paid, so no interest; by 15/09, 45 % = 41715,
  // under 36 % paid: 29715 -> 29700 x 3 % = 891; by 15/12, 75 % = 69525:
  // 57500 x 3 % = 1725; by 15/03, 80700 x 1 % = 807.
  YearInput in = blankYear(2017, Status::firm);
  in.business.netProfit = rs(300000);
  in.taxesPaid.advance = {{*parseDmy("15/06/2016"), rs(12000)}};
  const YearResult r = computeYear(in);
  ASSERT_EQ(r.interest.instalments.size(), 4u);
  const std::int64_t expected[] = {0, 891, 1725, 807};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(r.interest.instalments[i].interest, rs(expected[i])) << i;
  EXPECT_EQ(r.interest.s234c, rs(3423));
  EXPECT_EQ(r.balance, r.netTax + r.interest.total() - rs(12000));
}

}  // namespace
}  // namespace meridian::engine
