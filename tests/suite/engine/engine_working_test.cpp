// The working the computation keeps for its printout: the tax slice by
// slice and rate by rate, and interest stretch by stretch. The printout
// shows these lines as they stand, so each must be the engine's own figure
// and together they must come to the amounts charged. Figures worked by hand.
#include <gtest/gtest.h>

#include "engine_cases.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::lateFiler;
using testing::rs;

struct Line {
  RateBasis basis;
  std::int64_t income, rate, tax;
};

TEST(EngineWorking, TaxIsWorkedSliceBySliceAndRateByRate) {
  using B = RateBasis;
  struct Case {
    const char* name;
    Status status;
    void (*set)(YearInput&);
    std::vector<Line> lines;
  } cases[] = {
      // 2016-17 general scale: nil to 2.5 lakh, 10 % to 5, 20 % to 10, 30 % above.
      {"individual across every slab", Status::individual,
       [](YearInput& in) { in.otherSources.otherInterest = rs(1200000); },
       {{B::slab, 250000, 0, 0}, {B::slab, 250000, 1000, 25000}, {B::slab, 500000, 2000, 100000},
        {B::slab, 200000, 3000, 60000}}},
      // Agricultural income joins for the rate: the scale on 5 lakh (25000)
      // less the scale on 2.5 lakh + 1 lakh (10000).
      {"agricultural income joined for the rate", Status::individual,
       [](YearInput& in) {
         in.otherSources.otherInterest = rs(400000);
         in.agricultural = rs(100000);
       },
       {{B::slab, 250000, 0, 0}, {B::slab, 250000, 1000, 25000}, {B::agriculturalOffset, 350000, 0, 10000}}},
      {"firm at its flat rate", Status::firm, [](YearInput& in) { in.otherSources.otherInterest = rs(100000); },
       {{B::flat, 100000, 3000, 30000}}},
      // The unused 1.5 lakh of the exemption limit comes off the gain.
      {"shortfall taken off the long-term gain", Status::individual,
       [](YearInput& in) {
         in.otherSources.otherInterest = rs(100000);
         in.capitalGains.ltcgIndexed = rs(200000);
       },
       {{B::slab, 250000, 0, 0}, {B::ltcgIndexed, 50000, 2000, 10000}}},
      {"winnings apart from the scale", Status::individual,
       [](YearInput& in) {
         in.otherSources.otherInterest = rs(300000);
         in.otherSources.winnings = rs(100000);
       },
       {{B::slab, 250000, 0, 0}, {B::slab, 50000, 1000, 5000}, {B::winnings, 100000, 3000, 30000}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    YearInput in = blankYear(2016, c.status);
    c.set(in);
    const YearResult r = computeYear(in);
    ASSERT_EQ(r.tax.working.size(), c.lines.size());
    Money normal, special;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      const auto& got = r.tax.working[i];
      EXPECT_EQ(got.basis, c.lines[i].basis) << i;
      EXPECT_EQ(got.income, rs(c.lines[i].income)) << i;
      EXPECT_EQ(got.rate, c.lines[i].rate) << i;
      EXPECT_EQ(got.tax, rs(c.lines[i].tax)) << i;
      const bool atNormal = got.basis == B::slab || got.basis == B::flat || got.basis == B::agriculturalOffset;
      (atNormal ? normal : special) += got.basis == B::agriculturalOffset ? -got.tax : got.tax;
    }
    EXPECT_EQ(normal, r.tax.taxNormal);
    EXPECT_EQ(special, r.tax.taxSpecial);
  }
}


TEST(EngineWorking, InterestIsWorkedStretchByStretch) {
  struct Stretch {
    const char* from;
    const char* to;
    std::int64_t on;
    int months;
    std::int64_t interest;
  };
  struct Case {
    const char* name;
    void (*set)(YearInput&);
    std::vector<Stretch> a, b;
    std::vector<std::int64_t> instalmentOn;  // shortfall of each instalment that bore interest
  } cases[] = {
      {"nothing paid in advance", [](YearInput&) {},
       {{"01/08/2016", "15/11/2016", 28700, 4, 1148}},
       {{"01/04/2016", "15/11/2016", 28700, 8, 2296}},
       {8600, 17200, 28700}},
      // Self-assessment of 20,000 on 30 September: s.234B runs on 28,700 for
      // six months, then on 8,700 for two.
      {"self-assessment before the return",
       [](YearInput& in) { in.taxesPaid.selfAssessment = {{*parseDmy("30/09/2016"), rs(20000)}}; },
       {{"01/08/2016", "15/11/2016", 28700, 4, 1148}},
       {{"01/04/2016", "30/09/2016", 28700, 6, 1722}, {"30/09/2016", "15/11/2016", 8700, 2, 174}},
       {8600, 17200, 28700}},
      // Filed in time: no stretch for s.234A.
      {"filed in time", [](YearInput& in) { in.filingDate = parseDmy("31/07/2016"); },
       {},
       {{"01/04/2016", "31/07/2016", 28700, 4, 1148}},
       {8600, 17200, 28700}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    YearInput in = lateFiler();
    c.set(in);
    const YearResult r = computeYear(in);
    for (const auto& [got, want, charged] : {std::tuple{&r.interest.working234a, &c.a, r.interest.s234a},
                                             std::tuple{&r.interest.working234b, &c.b, r.interest.s234b}}) {
      ASSERT_EQ(got->size(), want->size());
      Money sum;
      for (std::size_t i = 0; i < want->size(); ++i) {
        const auto& g = (*got)[i];
        const auto& w = (*want)[i];
        EXPECT_EQ(g.from, *parseDmy(w.from)) << i;
        EXPECT_EQ(g.to, *parseDmy(w.to)) << i;
        EXPECT_EQ(g.on, rs(w.on)) << i;
        EXPECT_EQ(g.months, w.months) << i;
        EXPECT_EQ(g.monthlyRate, 100) << i;
        EXPECT_EQ(g.interest, rs(w.interest)) << i;
        sum += g.interest;
      }
      EXPECT_EQ(sum, charged);
    }
    std::vector<std::int64_t> on;
    Money sum234c;
    for (const auto& i : r.interest.instalments)
      if (!i.interest.isZero()) {
        on.push_back(i.interestOn.wholeRupees());
        EXPECT_EQ(i.interest, i.interestOn.atRate(i.monthlyRate * i.months).roundedToRupee());
        sum234c += i.interest;
      }
    EXPECT_EQ(on, c.instalmentOn);
    EXPECT_EQ(sum234c, r.interest.s234c);
  }
}

}  // namespace
}  // namespace meridian::engine
