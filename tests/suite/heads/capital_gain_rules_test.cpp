// A transfer's gain as the law computes it: the term by the kind of asset and
// the year, s.50C, indexation of cost and improvement, the lower rate of the
// s.112(1) proviso, the exemptions and their limits; and the transfers the
// law does not allow as entered, with the column to mend.
#include "suite/heads/capital_gain_rules.h"

#include <gtest/gtest.h>

namespace meridian::suite::heads {
namespace {

CivilDate on(int d, int m, int y) { return *makeDate(d, m, y); }
Money rs(long long r) { return Money::rupees(r); }

Transfer transfer(AssetKind kind, CivilDate acquired, CivilDate transferred, long long consideration, long long cost) {
  Transfer t;
  t.kind = kind;
  t.acquired = acquired;
  t.transferred = transferred;
  t.consideration = rs(consideration);
  t.cost = rs(cost);
  return t;
}

const Transferor kIndividual2016{2016, true};

TEST(CapitalGainRules, TermRateClassAndGainOfEachKind) {
  using K = AssetKind;
  using G = GainClass;
  struct Case {
    const char* name;
    Transfer t;
    Transferor who;
    bool longTerm;
    GainClass rate;
    Money gain, exempt, taxable;
  };
  Transfer house = transfer(K::residentialHouse, on(15, 6, 2005), on(10, 12, 2015), 8000000, 2000000);
  house.stampValue = rs(8500000);  // s.50C: the higher stamp-duty value is the consideration
  house.expenses = rs(100000);
  house.exemptions = {{"54", on(1, 3, 2016), rs(3000000)}};
  Transfer land = transfer(K::landOrBuilding, on(1, 7, 1975), on(1, 3, 2016), 5000000, 100000);
  land.stampValue = rs(4000000);  // lower: the consideration stands
  land.improvements = {{on(1, 1, 1979), rs(50000)}, {on(15, 8, 2001), rs(200000)}};
  Transfer shares = transfer(K::listedEquitySttPaid, on(1, 5, 2015), on(20, 2, 2016), 500000, 300000);
  shares.expenses = rs(2000);
  Transfer bonds = transfer(K::otherBond, on(1, 4, 2011), on(1, 10, 2015), 10000000, 2000000);
  bonds.exemptions = {{"54EC", on(1, 2, 2016), rs(6000000)}};
  Transfer other = transfer(K::otherBond, on(1, 4, 2011), on(1, 10, 2015), 5000000, 3000000);
  other.exemptions = {{"54F", on(1, 6, 2016), rs(2500000)}};
  const Case cases[] = {
      // 85,00,000 - 1,00,000 - 20,00,000 x 1081/497 (43,50,101); s.54 takes 30,00,000.
      {"house, s.50C, s.54", house, kIndividual2016, true, G::ltcgIndexed, rs(4049899), rs(3000000), rs(1049899)},
      // Cost from 1981-82 (10,81,000); the 1979 improvement left out; the 2001 one
      // indexed from 426 (5,07,512).
      {"land held since 1975", land, kIndividual2016, true, G::ltcgIndexed, rs(3411488), Money(), rs(3411488)},
      {"listed shares, 9 months", shares, kIndividual2016, false, G::stcg111a, rs(198000), Money(), rs(198000)},
      {"listed shares, 13 months",
       transfer(K::listedEquitySttPaid, on(1, 1, 2015), on(20, 2, 2016), 500000, 300000), kIndividual2016, true,
       G::exempt10_38, rs(183301), Money(), rs(183301)},  // indexed by 1081/1024; exempt, not taxed
      // Not indexed (s.48, third proviso); s.54EC at most 50,00,000.
      {"bonds, s.54EC capped", bonds, kIndividual2016, true, G::ltcgIndexed, rs(8000000), rs(5000000), rs(3000000)},
      // s.54F: the gain times 25,00,000 / 50,00,000.
      {"bonds, s.54F in proportion", other, kIndividual2016, true, G::ltcgIndexed, rs(2000000), rs(1000000),
       rs(1000000)},
      // 20 % of 1,84,878 indexed is more than 10 % of 2,00,000: the lower rate's gain.
      {"listed security, s.112 proviso", transfer(K::listedSecurity, on(10, 5, 2013), on(15, 6, 2015), 300000, 100000),
       kIndividual2016, true, G::ltcgWithoutIndexation, rs(200000), Money(), rs(200000)},
      {"unlisted share, 30 months, A.Y. 2016-17",
       transfer(K::unlistedShare, on(1, 6, 2013), on(1, 12, 2015), 300000, 100000), kIndividual2016, false,
       G::stcgOther, rs(200000), Money(), rs(200000)},
      // 24 months from A.Y. 2017-18; 1,00,000 x 1125/1024 = 1,09,863.
      {"unlisted share, 30 months, A.Y. 2017-18",
       transfer(K::unlistedShare, on(1, 6, 2014), on(1, 12, 2016), 300000, 100000), Transferor{2017, true}, true,
       G::ltcgIndexed, rs(190137), Money(), rs(190137)},
      // Units kept the lower rate until A.Y. 2014-15: 10 % of 1,00,000 beats 20 % of 89,789.
      {"debt fund unit, A.Y. 2014-15", transfer(K::debtFundUnit, on(1, 4, 2012), on(1, 6, 2013), 200000, 100000),
       Transferor{2014, true}, true, G::ltcgWithoutIndexation, rs(100000), Money(), rs(100000)},
      // ... and lost it from A.Y. 2015-16: 2,50,000 - 1,00,000 x 1081/852 (1,26,878).
      {"debt fund unit, A.Y. 2016-17", transfer(K::debtFundUnit, on(1, 4, 2012), on(1, 9, 2015), 250000, 100000),
       kIndividual2016, true, G::ltcgIndexed, rs(123122), Money(), rs(123122)},
      {"debt fund unit, 14 months, A.Y. 2016-17",
       transfer(K::debtFundUnit, on(1, 4, 2014), on(1, 6, 2015), 250000, 100000), kIndividual2016, false,
       G::stcgOther, rs(150000), Money(), rs(150000)},
      {"a loss is no exemption's", transfer(K::otherBond, on(1, 4, 2011), on(1, 10, 2015), 100000, 150000),
       kIndividual2016, true, G::ltcgIndexed, rs(-50000), Money(), rs(-50000)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(faultOf(c.t, c.who)) << faultOf(c.t, c.who)->message;
    const TransferGain g = gainOf(c.t, c.who, CostInflationIndex::shipped());
    EXPECT_EQ(g.longTerm, c.longTerm);
    EXPECT_EQ(g.rateClass, c.rate);
    EXPECT_EQ(g.gain, c.gain);
    EXPECT_EQ(g.exempt, c.exempt);
    EXPECT_EQ(g.taxable, c.taxable);
  }
}

TEST(CapitalGainRules, TwoExemptionsTogetherNeverExceedTheGain) {
  Transfer t = transfer(AssetKind::otherBond, on(1, 4, 2011), on(1, 10, 2015), 3000000, 1000000);
  t.exemptions = {{"54EC", on(1, 1, 2016), rs(1500000)}, {"54F", on(1, 1, 2016), rs(3000000)}};
  const TransferGain g = gainOf(t, kIndividual2016, CostInflationIndex::shipped());
  ASSERT_EQ(g.exemptions.size(), 2u);
  EXPECT_EQ(g.exemptions[0], rs(1500000));
  EXPECT_EQ(g.exemptions[1], rs(500000)) << "s.54F gets what s.54EC left of the gain";
  EXPECT_EQ(g.taxable, Money());
}

TEST(CapitalGainRules, RefusesWhatTheLawDoesNotAllow) {
  using K = AssetKind;
  using P = TransferFault::Part;
  const Transferor company{2016, false};
  auto withClaim = [](Transfer t, std::vector<ExemptionClaim> claims) {
    t.exemptions = std::move(claims);
    return t;
  };
  const Transfer house = transfer(K::residentialHouse, on(1, 4, 2005), on(1, 12, 2015), 9000000, 2000000);
  const Transfer shares = transfer(K::listedSecurity, on(1, 4, 2010), on(1, 12, 2015), 900000, 200000);
  const Transfer shortLand = transfer(K::landOrBuilding, on(1, 4, 2014), on(1, 12, 2015), 900000, 200000);
  Transfer improvedEarly = shares;
  improvedEarly.improvements = {{on(1, 4, 2012), rs(1000)}, {on(1, 1, 2009), rs(1000)}};
  const struct {
    const char* name;
    Transfer t;
    Transferor who;
    P part;
    int row;
    const char* column;
    std::string message;
  } cases[] = {
      {"transfer after the previous year", transfer(K::other, on(1, 4, 2010), on(1, 4, 2016), 1, 1), kIndividual2016,
       P::transfer, -1, "trf_dt", "The date of transfer must fall in the previous year, 01/04/2015 to 31/03/2016."},
      {"acquired after the transfer", transfer(K::other, on(2, 12, 2015), on(1, 12, 2015), 1, 1), kIndividual2016,
       P::transfer, -1, "acq_dt", "The date of acquisition can not be after the date of transfer."},
      {"improvement before acquisition", improvedEarly, kIndividual2016, P::improvement, 1, "imp_dt",
       "An improvement must be made between the dates of acquisition and of transfer."},
      {"s.54 on shares", withClaim(shares, {{"54", on(1, 1, 2016), rs(1)}}), kIndividual2016, P::exemption, 0,
       "section", "Exemption u/s 54 is allowed only to an individual or HUF on the long-term transfer of a residential house."},
      {"s.54 by a company", withClaim(house, {{"54", on(1, 1, 2016), rs(1)}}), company, P::exemption, 0, "section",
       "Exemption u/s 54 is allowed only to an individual or HUF on the long-term transfer of a residential house."},
      {"s.54F on a house", withClaim(house, {{"54F", on(1, 1, 2016), rs(1)}}), kIndividual2016, P::exemption, 0,
       "section",
       "Exemption u/s 54F is allowed only to an individual or HUF on the long-term transfer of an asset other than a "
       "residential house."},
      {"s.54EC on a short-term gain", withClaim(shortLand, {{"54EC", on(1, 1, 2016), rs(1)}}), kIndividual2016,
       P::exemption, 0, "section", "Exemption u/s 54EC is allowed only on a long-term capital gain."},
      {"s.54B by a company", withClaim(shortLand, {{"54B", on(1, 1, 2016), rs(1)}}), company, P::exemption, 0,
       "section", "Exemption u/s 54B is allowed only to an individual or HUF on the transfer of agricultural land."},
      {"one section twice",
       withClaim(house, {{"54EC", on(1, 1, 2016), rs(1)}, {"54", on(1, 1, 2016), rs(1)}, {"54EC", on(1, 2, 2016), rs(1)}}),
       kIndividual2016, P::exemption, 2, "section", "Exemption u/s 54EC is claimed twice for one transfer."},
      {"bonds bought seven months after", withClaim(house, {{"54EC", on(2, 7, 2016), rs(1)}}), kIndividual2016,
       P::exemption, 0, "new_dt", "The new asset of s.54EC must be acquired within six months after the transfer."},
      {"house bought two years before", withClaim(house, {{"54", on(30, 11, 2013), rs(1)}}), kIndividual2016,
       P::exemption, 0, "new_dt",
       "The new asset of s.54 must be acquired within a year before or two years after the transfer, or built within "
       "three years after it."},
      {"exempt listed shares",
       withClaim(transfer(K::listedEquitySttPaid, on(1, 4, 2010), on(1, 12, 2015), 900000, 200000),
                 {{"54F", on(1, 1, 2016), rs(1)}}),
       kIndividual2016, P::exemption, 0, "section", "The gain is exempt u/s 10(38); no other exemption is claimed on it."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto fault = faultOf(c.t, c.who);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->part, c.part);
    EXPECT_EQ(fault->row, c.row);
    EXPECT_EQ(fault->column, c.column);
    EXPECT_EQ(fault->message, c.message);
  }
  // The edges of the windows are inside them.
  EXPECT_FALSE(faultOf(withClaim(house, {{"54EC", on(1, 6, 2016), rs(1)}}), kIndividual2016));
  EXPECT_FALSE(faultOf(withClaim(house, {{"54", on(1, 12, 2014), rs(1)}}), kIndividual2016));
}

TEST(CapitalGainRules, HeldForExactlyTheMonthsIsStillShortTerm) {
  // Held "not more than" twelve months immediately before the transfer.
  const Transfer t = transfer(AssetKind::listedEquitySttPaid, on(31, 1, 2015), on(31, 1, 2016), 2, 1);
  EXPECT_FALSE(gainOf(t, kIndividual2016, CostInflationIndex::shipped()).longTerm);
  Transfer oneDayMore = t;
  oneDayMore.transferred = on(1, 2, 2016);
  EXPECT_TRUE(gainOf(oneDayMore, kIndividual2016, CostInflationIndex::shipped()).longTerm);
  EXPECT_EQ(monthsAfter(on(31, 1, 2016), 1), on(29, 2, 2016)) << "to the last day of a shorter month";
}

}  // namespace
}  // namespace meridian::suite::heads
