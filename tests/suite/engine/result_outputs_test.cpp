// What the screens and reports read of a computed year: the host's named
// figures, the summary row a1 to a20 in the summary grid's order, and the
// lines of the estimated computation.
#include <gtest/gtest.h>

#include "engine_cases.h"
#include "suite/engine/printout_lines.h"
#include "suite/engine/summary_row.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::rs;

// 2016-17: salary 600000, other interest 50000, LTCG 100000, a house loss of
// 60000; 80C 150000; TDS 70000, self-assessment 1000. Total income 540000:
// normal 440000 (25000 + ... 10 % of 190000 = 19000) and LTCG 20000; tax
// 19000 + 20000 = 39000, no rebate above 5 lakh; cess 780 + 390: 40170.
YearResult sample() {
  YearInput in = blankYear(2016);
  in.salaries = {{rs(600000)}};
  in.otherSources.otherInterest = rs(50000);
  in.capitalGains.ltcgIndexed = rs(100000);
  in.houses = {{HouseUse::selfOccupied, {}, {}, {}, rs(60000), false, 100}};
  in.deductions.claimed["80C"] = rs(150000);
  in.taxesPaid.tds = rs(70000);
  in.taxesPaid.selfAssessment = {{*parseDmy("20/07/2016"), rs(1000)}};
  return computeYear(in);
}

TEST(ResultOutputs, NamedFiguresAndSummaryRow) {
  const YearResult r = sample();
  const ResultContext c = resultContextOf(r, testing::law(2016));
  EXPECT_EQ(c.vTot_ITTAX, rs(39000));
  EXPECT_EQ(c.vAD_Tax6, rs(19000));
  EXPECT_EQ(c.vAD_Tax7, rs(20000));
  EXPECT_EQ(c.vAD_Tax5, rs(100000));
  EXPECT_EQ(c.VEducess, rs(1170));
  EXPECT_EQ(c.vSurcharge, rs(1170));  // surcharge 0 with the cesses, as the host keeps them
  EXPECT_EQ(c.VChVIADedTot, rs(150000));
  EXPECT_EQ(c.vdedcnt, 1);
  EXPECT_EQ(c.vRoundedOffToNearest10, rs(540000));
  EXPECT_EQ(c.vLossVars.houseProperty, rs(60000));
  EXPECT_EQ(c.vLossVars.housePropertyNotAbsorbed, Money());
  // Balance 40170 - 70000 - 1000 = -30830: refundable.
  EXPECT_EQ(c.vi_tax_tot, rs(-30830));
  const std::int64_t expected[20] = {600000, -60000, 0,     0,     100000, 50000, 690000, 150000, 540000, 0,
                                     0,      1170,   40170, 0,     40170,  0,     0,      1000,   0,      30830};
  const SummaryRow a = summaryRowOf(r, c);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(a[i], rs(expected[i])) << "a" << i + 1;
}

TEST(ResultOutputs, EstimatedComputationLinesInOrder) {
  const YearResult r = sample();
  const auto lines = estimatedComputationLines(r, resultContextOf(r, testing::law(2016)));
  std::vector<std::pair<std::string, std::int64_t>> got;
  for (const auto& l : lines) got.push_back({l.caption, l.amount.wholeRupees()});
  const std::vector<std::pair<std::string, std::int64_t>> want = {
      {"COMPUTATION OF ESTIMATED TOTAL INCOME", 0},
      {"Income From Salaries", 600000},
      {"Income From House Property", -60000},
      {"Income From Capital Gain (Long-term)", 100000},
      {"Income From Other Sources", 50000},
      {"Total", 750000},
      {"Losses of Current Year Set Off", 60000},
      {"Balance After Set Off Current Year Losses", 690000},
      {"Gross Total Income", 690000},
      {"Less: Deductions under Chapter VI-A", 150000},
      {"Total Income", 540000},
      {"COMPUTATION OF TAX LIABILITY ON ESTIMATED TOTAL INCOME", 0},
      {"Tax Payable on Total Income (at Normal Rates)", 19000},
      {"Tax Payable on Total Income (at Special Rates)", 20000},
      {"Tax Payable on Total Income", 39000},
      {"Balance Tax Payable", 39000},
      {"Education Cess", 780},
      {"Secondary and Higher Education Cess", 390},
      {"Gross Tax Liability", 40170},
      {"Net Tax Liability", 40170},
      {"Aggregate Liability", 40170},
      {"Tax Deducted at Source", 70000},
      {"Self Assessment Tax Paid", 1000},
      {"Total Taxes Paid", 71000},
      {"Tax Refundable", 30830},
  };
  EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace meridian::engine
