// The year's tables of business, capital gains and agriculture read into the
// computation's input, field for field, on both engines: only the data set
// and year asked for, presumptive businesses at their own income, a loss of
// specified businesses left out, gains by rate class after exemptions.
#include <gtest/gtest.h>

#include "suite/engine/compute_year.h"
#include "suite/heads/business_gains_loader.h"
#include "db/rows.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

Money rs(long long r) { return Money::rupees(r); }

class BusinessGainsLoader : public testsupport::DbTest {
 protected:
  void row(const std::string& table, db::Pairs values) { db::insertRow(conn(), table, values); }

  // The year of data set `code`: every table of the screens holds a row.
  void seed(const std::string& code, int year, long long scale) {
    const auto y = [&](db::Pairs p) {
      p.insert(p.begin(), {{"code_no", code}, {"ass_year", year}});
      return p;
    };
    row("income_business", y({{"business_no", 1}, {"bus_name", "STORES"}, {"nature", "B"}}));
    row("business_44adaf", y({{"bus_num", 1}, {"srno", 1}, {"part_num", 0}, {"turnover", 2000000 * scale},
                              {"turnover_dig", 0}, {"tic", 0}}));
    row("income_business", y({{"business_no", 2}, {"bus_name", "AGENCY"}, {"nature", "B"},
                               {"net_profit", 300000 * scale}, {"spec_profit", -15000 * scale}}));
    row("business_disallowed", y({{"business_no", 2}, {"srno", 1}, {"section", "40A3"}, {"amount", 10000 * scale}}));
    row("comms", {{"code_no", code}, {"assyear", year}, {"srno", 1}, {"amount", 50000 * scale}, {"expenses", 5000 * scale}});
    row("business_44ae", y({{"part_no", 1}, {"heavy", 1}, {"no_month", 12}, {"profit", 0}}));
    row("business_44ae", y({{"part_no", 2}, {"heavy", 0}, {"no_month", 6}, {"profit", 6000}}));
    row("business_firm", y({{"firm_no", 1}, {"firm_name", "SHAH AND SONS"}, {"share_profit", 80000 * scale},
                            {"salary", 120000 * scale}, {"interest", 24000 * scale}, {"commission", 6000 * scale}}));
    row("business_35ad", y({{"srno", 1}, {"name", "WAREHOUSE"}, {"profit", 400000 * scale}, {"cap_exp", 900000 * scale}}));
    row("capital", y({{"srno", 1}, {"asset_kind", "EQ"}, {"acq_dt", "2015-05-01"}, {"trf_dt", "2016-02-20"},
                      {"sale_val", 500000 * scale}, {"cost", 300000 * scale}, {"exp_trf", 2000 * scale}}));
    row("capital", y({{"srno", 2}, {"asset_kind", "RH"}, {"acq_dt", "2005-06-15"}, {"trf_dt", "2015-12-10"},
                      {"sale_val", 8000000}, {"val50c", 8500000}, {"exp_trf", 100000}, {"cost", 2000000}}));
    row("capital_exem", y({{"cap_srno", 2}, {"srno", 1}, {"section", "54"}, {"new_dt", "2016-03-01"},
                           {"invested", 3000000}}));
    row("capital", y({{"srno", 3}, {"asset_kind", "BD"}, {"acq_dt", "2011-04-01"}, {"trf_dt", "2015-10-01"},
                      {"sale_val", 100000}, {"cost", 150000}}));
    row("agri", y({{"gross", 150000}, {"expenses", 30000}, {"bf_loss", 20000}}));
    row("mininc", y({{"srno", 1}, {"name", "ANU"}, {"relation", "D"}, {"income", 4000}}));
    row("clubinc", y({{"srno", 1}, {"name", "SURESH"}, {"section", "64(1)(iv)"}, {"income", -2500}}));
  }
};

TEST_P(BusinessGainsLoader, ReadsTheYearOfTheDataSetFieldForField) {
  seed("I1", 2016, 1);
  seed("I1", 2015, 3);     // another year
  seed("I1^R-2", 2016, 5);  // another data set of the year
  engine::YearInput in;
  in.year = 2016;
  in.status = engine::Status::individual;
  std::vector<std::string> notes;
  loadBusinessGainsAndAgriculture(conn(), "I1", in, notes);
  EXPECT_TRUE(notes.empty()) << notes.front();

  const engine::BusinessInput& b = in.business;
  EXPECT_EQ(b.presumptive44ad.turnover, rs(2000000));
  EXPECT_EQ(b.presumptive44ad.declared, rs(160000)) << "its own 8 %, taken as declared";
  // 3,00,000 + 10,000 disallowed + 45,000 net commission; the specified
  // businesses' net loss of 5,00,000 stays out of it.
  EXPECT_EQ(b.netProfit, rs(355000));
  EXPECT_EQ(b.specifiedBusiness, rs(-500000)) << "kept apart for s.73A";
  EXPECT_EQ(b.speculation, rs(-15000));
  ASSERT_EQ(b.presumptive44ae.size(), 2u);
  EXPECT_TRUE(b.presumptive44ae[0].heavy);
  EXPECT_EQ(b.presumptive44ae[0].months, 12);
  EXPECT_EQ(b.presumptive44ae[1].declared, rs(36000)) << "6,000 a month for six months";
  EXPECT_EQ(b.firmShareExempt, rs(80000));
  EXPECT_EQ(b.firmRemuneration, rs(150000));

  const engine::CapitalGainsInput& g = in.capitalGains;
  EXPECT_EQ(g.stcg111a, rs(198000));
  EXPECT_EQ(g.ltcgIndexed, rs(1049899 - 50000)) << "the house after s.54, and the bonds' loss";
  // When each gain arose: the shares sold on 20 February 2016 after 15
  // December, the house on 10 December 2015 after 15 September; the bonds'
  // loss is no gain arising.
  EXPECT_EQ(in.arising[3].capitalGains.stcg111a, rs(198000));
  EXPECT_EQ(in.arising[2].capitalGains.ltcgIndexed, rs(1049899));
  EXPECT_EQ(in.arising[1].capitalGains.ltcgIndexed, Money());
  EXPECT_EQ(g.stcgOther, Money());
  EXPECT_EQ(g.ltcgWithoutIndexation, Money());

  EXPECT_EQ(in.agricultural, rs(100000));
  ASSERT_EQ(in.clubbed.size(), 2u);
  EXPECT_TRUE(in.clubbed[0].minorChild);
  EXPECT_EQ(in.clubbed[0].amount, rs(4000));
  EXPECT_FALSE(in.clubbed[1].minorChild);
  EXPECT_EQ(in.clubbed[1].amount, rs(-2500));

  // The whole year computes: the business head with its presumptive parts.
  const auto result = engine::computeYear(in);
  // s.44AE at 7,500 a vehicle a month in A.Y. 2016-17: the truck 7,500 x 12;
  // the other's declared 6,000 a month is below 7,500, so 7,500 x 6.
  EXPECT_EQ(result.business.presumptive44ae, rs(90000 + 45000));
  EXPECT_EQ(result.business.ordinary, rs(355000 + 160000 + 135000 + 150000));
}

// A transfer the computation cannot place (no type of asset, or no dates) is
// never dropped unseen: the year's notes name it, so no summary is rewritten.
TEST_P(BusinessGainsLoader, ATransferWithoutItsKindOrDatesIsToldNotDropped) {
  for (const db::Pairs& gap : std::vector<db::Pairs>{{{"asset_kind", ""}}, {{"trf_dt", db::Value()}}, {{"acq_dt", db::Value()}}}) {
    SCOPED_TRACE(gap.front().first);
    conn().execute("DELETE FROM capital");
    db::Pairs values{{"code_no", "I1"}, {"ass_year", 2016}, {"srno", 7}, {"asset_kind", "RH"}, {"acq_dt", "2005-06-15"},
                     {"trf_dt", "2015-12-10"}, {"sale_val", 900000}, {"cost", 100000}};
    for (auto& v : values)
      if (v.first == gap.front().first) v.second = gap.front().second;
    db::insertRow(conn(), "capital", values);
    engine::YearInput in;
    in.year = 2016;
    in.status = engine::Status::individual;
    std::vector<std::string> notes;
    loadBusinessGainsAndAgriculture(conn(), "I1", in, notes);
    EXPECT_EQ(notes, std::vector<std::string>{"Capital gain 7 has no type of asset or no dates and is left out."});
    EXPECT_EQ(in.capitalGains.ltcgIndexed, Money());
  }
}

TEST_P(BusinessGainsLoader, AYearWithNothingLeavesTheInputEmpty) {
  seed("I1", 2015, 1);
  engine::YearInput in;
  in.year = 2016;
  std::vector<std::string> notes;
  loadBusinessGainsAndAgriculture(conn(), "I1", in, notes);
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(in.business.netProfit, Money());
  EXPECT_TRUE(in.business.presumptive44ae.empty());
  EXPECT_EQ(in.capitalGains.ltcgIndexed, Money());
  EXPECT_EQ(in.agricultural, Money());
  EXPECT_TRUE(in.clubbed.empty());
}

MERIDIAN_ON_BOTH_ENGINES(BusinessGainsLoader);

}  // namespace
}  // namespace meridian::suite::heads
