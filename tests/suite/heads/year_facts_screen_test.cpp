// Facts of a stored year that reach the computation from the screens: the
// dividends from domestic companies and unexplained income typed on the
// other-sources screen, taxed apart by whom the law reaches; and the day a
// new business first earned, which places its income in the periods of the
// s.234C proviso. Figures worked by hand.
#include <gtest/gtest.h>

#include "suite/engine/compute_year.h"
#include "suite/engine/instalment_tax.h"
#include "suite/heads/business_year_input.h"
#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

class YearFactsScreens : public testsupport::HeadScreenTest {
 protected:
  void typeBox(const std::string& box, const std::string& text) {
    (*screen_)[box].text = text;
    ui::Event left{box, ui::EventType::change};
    ASSERT_TRUE(screen_->dispatch(left)) << box;
  }
};

TEST_P(YearFactsScreens, DividendsAndUnexplainedIncomeTypedAreTaxedApart) {
  // A.Y. 2017-18: dividends 12,50,000 and unexplained cash credits 1,00,000.
  struct Case {
    const char* client;
    std::int64_t dividends115bbda;  // charged above ten lakh, for an individual only here
    std::int64_t taxSpecial;        // 10 % of the dividends charged + 60 % of 1,00,000
    std::int64_t surcharge;         // 25 % of the 60,000 u/s 115BBE
  } cases[] = {
      {"I1", 250000, 85000, 15000},
      // s.115BBDA does not reach a company: its dividends stay exempt.
      {"C1", 0, 60000, 15000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.client);
    open("PrjOtherHeads.Forms", "ObjOtherIncome", c.client, 2017);
    typeBox("txtDividendDomestic", "1250000");
    click("cmdAddSpRate");
    type("vsfSpRate", 0, {"5BBE", "CASH CREDITS NOT EXPLAINED", "100000"});
    click("cmdSave");
    EXPECT_EQ(scalar("SELECT seccode FROM sprtothinc WHERE code_no = ? AND tyear = 2017", {std::string(c.client)}),
              "5BBE");

    const auto loaded = loadYearInput(conn(), {c.client, c.client, 2017});
    EXPECT_TRUE(loaded.notes.empty()) << loaded.notes.front();
    const engine::YearResult r = engine::computeYear(loaded.input);
    EXPECT_EQ(r.heads.apart.dividends115bbda, Money::rupees(c.dividends115bbda));
    EXPECT_EQ(r.heads.apart.unexplained115bbe, Money::rupees(100000));
    EXPECT_EQ(r.tax.taxSpecial, Money::rupees(c.taxSpecial));
    EXPECT_EQ(r.tax.surcharge, Money::rupees(c.surcharge));
  }
}

TEST(FirstEarnings, ABusinessNewToTheYearArisesInThePeriodOfItsFirstDay) {
  // A.Y. 2017-18: periods to 15 June, 15 September, 15 December, 15 March
  // 2017 and after.
  struct Case {
    const char* name;
    const char* day;
    std::int64_t income;
    int period;  // -1: none
  } cases[] = {
      {"began in May", "10/05/2016", 300000, 0},
      {"began on 15 December", "15/12/2016", 300000, 2},
      {"began after 15 December", "16/12/2016", 300000, 3},
      {"began after 15 March", "20/03/2017", 300000, 4},
      {"began before the previous year", "31/03/2016", 300000, -1},
      {"a date after the previous year", "01/04/2017", 300000, -1},
      {"a loss arises as nothing", "10/01/2017", -50000, -1},
  };
  for (const auto& c : cases) {
    engine::YearInput in;
    in.year = 2017;
    addFirstEarnings({{*parseDmy(c.day), Money::rupees(c.income)}}, in);
    for (std::size_t p = 0; p < engine::kArisingPeriods; ++p)
      EXPECT_EQ(in.arising[p].businessFirstTime,
                static_cast<int>(p) == c.period ? Money::rupees(c.income) : Money())
          << c.name << ", period " << p;
  }
}

TEST_P(YearFactsScreens, TheFirstEarnedDayOfAStoredBusinessReachesTheInstalments) {
  // Two businesses of A.Y. 2017-18: an old one earning 2,00,000 and one
  // first earning on 10 January 2017, 5,00,000 with 20,000 not allowed.
  conn().execute("INSERT INTO income_business (code_no, ass_year, business_no, bus_name, nature, net_profit) VALUES "
                 "('I1', 2017, 1, 'OLD SHOP', 'B', 200000)");
  conn().execute("INSERT INTO income_business (code_no, ass_year, business_no, bus_name, nature, net_profit, "
                 "first_earned) VALUES ('I1', 2017, 2, 'NEW SHOP', 'B', 500000, '2017-01-10')");
  conn().execute("INSERT INTO business_disallowed (code_no, ass_year, business_no, srno, section, amount) VALUES "
                 "('I1', 2017, 2, 1, '43B', 20000)");
  const auto loaded = loadYearInput(conn(), {"I1", "I1", 2017});
  EXPECT_EQ(loaded.input.business.netProfit, Money::rupees(720000));
  EXPECT_EQ(loaded.input.arising[3].businessFirstTime, Money::rupees(520000));
  for (std::size_t p : {0u, 1u, 2u, 4u}) EXPECT_EQ(loaded.input.arising[p].businessFirstTime, Money()) << p;
}

TEST_P(YearFactsScreens, AFirstEarnedDayOutsideThePreviousYearIsRefused) {
  open("PrjBusiness.Forms", "objbusiness", "I1", 2017);
  click("cmdAddBus");
  const auto& titles = grid("vsfBusiness").titles;
  const int col = static_cast<int>(std::find(titles.begin(), titles.end(), "First Earned On (new business)") -
                                   titles.begin());
  ASSERT_LT(col, static_cast<int>(titles.size()));
  type("vsfBusiness", 0, {"NEW SHOP", "b"});
  const struct {
    const char* typed;
    std::vector<std::string> said;
  } cases[] = {
      {"31/03/2016", {"A business first earns within the previous year, 01/04/2016 to 31/03/2017."}},
      {"01/04/2017", {"A business first earns within the previous year, 01/04/2016 to 31/03/2017."}},
      {"01/04/2016", {}},
      {"31/03/2017", {}},
  };
  for (const auto& c : cases) {
    dialogs().clear();
    edit("vsfBusiness", 0, col, c.typed);
    EXPECT_EQ(dialogs().texts(), c.said) << c.typed;
  }
}

// Winnings and dividends u/s 115BBDA typed by the period they arose, and a
// deemed gain by the date it is deemed to arise, reach the instalments of
// s.234C as they do from the command's `arising`. A.Y. 2017-18, interest
// 10,00,000 besides: 1,25,000 + cess 3,750 = 1,28,750 without them.
TEST_P(YearFactsScreens, WhenWinningsDividendsAndDeemedGainsAroseReachesTheInstalments) {
  struct Case {
    const char* name;
    std::vector<std::string> arisingRow;  // Income, then the five periods; empty: none typed
    const char* winnings;                 // s.115BB, on the grid of special rates
    const char* dividends;                // from domestic companies
    std::string deemedSql;                // a deemed gain with its date
    std::array<std::int64_t, 4> tax;      // the instalments are worked on
  } cases[] = {
      // Winnings 1,00,000 after 15 December: 30,000 more, 1,55,000 + 4,650.
      {"winnings", {"W", "0", "0", "0", "100000", "0"}, "100000", "", "", {128750, 128750, 128750, 159650}},
      // Dividends 15,00,000, 5,00,000 of them after 15 September: 10 % on
      // the 5,00,000 above ten lakh, 1,75,000 + 5,250; without the later
      // ones none is above the threshold.
      {"dividends", {"D", "1000000", "0", "500000", "0", "0"}, "", "1500000", "", {128750, 128750, 180250, 180250}},
      // Capital gains account left unused, long-term 2,00,000 deemed to
      // arise on 1 August 2016: 20 %, 1,65,000 + 4,950.
      {"deemed gain", {}, "", "",
       "INSERT INTO capital_deemn (code_no, ass_year, srno, term, prev_year, section, amount, arise_dt) VALUES "
       "('I1', 2017, 1, 'L', 2013, '54EC', 200000, '2016-08-01')",
       {128750, 169950, 169950, 169950}},
      // Typed without the periods: all taken as arising by 15 June.
      {"winnings not placed", {}, "100000", "", "", {159650, 159650, 159650, 159650}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* table : {"other_income", "sprtothinc", "oth_inc", "oth_arising", "capital_deemn"})
      conn().execute(std::string("DELETE FROM ") + table + " WHERE code_no = 'I1'");
    conn().execute("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES ('I1', 2017, 1, 'INT', 1000000)");
    if (!c.deemedSql.empty()) conn().execute(c.deemedSql);
    open("PrjOtherHeads.Forms", "ObjOtherIncome", "I1", 2017);
    if (*c.dividends) typeBox("txtDividendDomestic", c.dividends);
    if (*c.winnings) {
      click("cmdAddSpRate");
      type("vsfSpRate", 0, {"5BB", "LOTTERY", c.winnings});
    }
    if (!c.arisingRow.empty()) {
      click("cmdAddArising");
      type("vsfArising", 0, c.arisingRow);
    }
    click("cmdSave");
    const auto loaded = loadYearInput(conn(), {"I1", "I1", 2017});
    EXPECT_TRUE(loaded.notes.empty()) << loaded.notes.front();
    const Money netTax = engine::computeYear(loaded.input).netTax;
    ASSERT_EQ(netTax, Money::rupees(c.tax[3]));
    const auto taxes = engine::instalmentTaxes(loaded.input, netTax);
    for (std::size_t i = 0; i < taxes.size(); ++i) EXPECT_EQ(taxes[i], Money::rupees(c.tax[i])) << "instalment " << i + 1;
  }
}

TEST_P(YearFactsScreens, ADeemedGainArisesWithinThePreviousYear) {
  open("PrjOtherHeads.Forms", "ObjCapDeemed", "I1", 2017);
  click("cmdAddDeemN");
  const auto& titles = grid("vsfDeemN").titles;
  const int col = static_cast<int>(std::find(titles.begin(), titles.end(), "Date deemed to arise") - titles.begin());
  ASSERT_LT(col, static_cast<int>(titles.size()));
  const std::vector<std::string> refused{"A gain is deemed to arise within the previous year, 01/04/2016 to 31/03/2017."};
  const struct {
    const char* typed;
    std::vector<std::string> said;
  } cases[] = {{"31/03/2016", refused}, {"01/04/2017", refused}, {"01/04/2016", {}}, {"31/03/2017", {}}};
  for (const auto& c : cases) {
    dialogs().clear();
    edit("vsfDeemN", 0, col, c.typed);
    EXPECT_EQ(dialogs().texts(), c.said) << c.typed;
  }
}

MERIDIAN_ON_BOTH_ENGINES(YearFactsScreens);

}  // namespace
}  // namespace meridian::suite::heads
