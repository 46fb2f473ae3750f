// The MAT/AMT credit through successive years opened in the workspace: each
// year left is recomputed and leaves its own credit row, the next year reads
// every earlier year once, and the carry question brings a revised return's
// figures of last year in place of the original's. Figures worked by hand.
#include <gtest/gtest.h>

#include "common/years.h"
#include "register/workspace_fixture.h"
#include "suite/year_computation.h"

namespace meridian::reg::testing {
namespace {

using ui::Answer;

struct YearFigures {
  int year;
  long long income, bookProfit, deduction80ia;  // book profit for the company, 80-IA for the individual
  long long broughtForward, used, taxAfterCredit;
  std::vector<std::pair<int, long long>> carried;  // year of origin, rupees
};

class WorkspaceCredit : public WorkspaceTest {
 protected:
  void seedYear(const std::string& code, bool company, const YearFigures& y) {
    if (company) {
      conn().execute("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES (?, ?, 1, 'INT', ?)",
                     {code, y.year, y.income});
      conn().execute("INSERT INTO mat_cal (code_no, ass_year, net_profit) VALUES (?, ?, ?)", {code, y.year, y.bookProfit});
      return;
    }
    conn().execute("INSERT INTO income_business (code_no, ass_year, business_no, bus_name, nature, net_profit) "
                   "VALUES (?, ?, 1, 'POWER PLANT', 'B', ?)",
                   {code, y.year, y.income});
    if (y.deduction80ia)
      conn().execute("INSERT INTO deductionnew (code_no, ass_year, srno, section, claimed) VALUES (?, ?, 1, '80IA', ?)",
                     {code, y.year, y.deduction80ia});
  }
  const engine::AlternateTaxFigures& computed() {
    auto& engine = dynamic_cast<suite::EngineComputation&>(host().resultCtx().NModule1());
    engine.ITCalcProc();
    return engine.last()->result.alternate;
  }
  void expectYear(const YearFigures& y) {
    SCOPED_TRACE(y.year);
    const auto& a = computed();
    EXPECT_EQ(a.creditBroughtForward.wholeRupees(), y.broughtForward);
    EXPECT_EQ(a.creditUsed.wholeRupees(), y.used);
    auto& engine = dynamic_cast<suite::EngineComputation&>(host().resultCtx().NModule1());
    EXPECT_EQ(engine.last()->result.taxAfterCredit.wholeRupees(), y.taxAfterCredit);
    std::vector<std::pair<int, long long>> carried;
    for (const auto& c : a.creditsCarried) carried.emplace_back(c.year, c.amount.wholeRupees());
    EXPECT_EQ(carried, y.carried);
  }
};

TEST_P(WorkspaceCredit, EachYearsCreditCountsOnceThroughThreeYearsOpenedInTurn) {
  struct Case {
    const char* client;
    bool company;
    std::vector<YearFigures> years;
    std::vector<std::string> rowsLeft;  // ass_year|taxnormal|taxmatamt|creditutil|marker
  } cases[] = {
      // C1, interest at 30 % + cess 3 %, MAT at 18.5 % + cess 3 % on book profit:
      // 2014-15: 10 lakh -> 3,09,000; MAT on 30 lakh 5,55,000 + 16,650 = 5,71,650
      //          payable; credit 2,62,650 arises.
      // 2015-16: 12 lakh -> 3,70,800; MAT on 10 lakh 1,85,000 + 5,550 = 1,90,550;
      //          room 1,80,250 of 2,62,650; 82,400 of 2014-15 carried.
      // 2016-17: 10 lakh -> 3,09,000; MAT on 5 lakh 92,500 + 2,775 = 95,275;
      //          room 2,13,725 takes the 82,400 left; 2,26,600 payable.
      {"C1", true,
       {{2014, 1000000, 3000000, 0, 0, 0, 571650, {{2014, 262650}}},
        {2015, 1200000, 1000000, 0, 262650, 180250, 190550, {{2014, 82400}}},
        {2016, 1000000, 500000, 0, 82400, 82400, 226600, {}}},
       {"2014|309000|571650|0|B", "2015|370800|190550|180250|B", "2016|309000|95275|82400|B"}},
      // I1, business income with a deduction u/s 80-IA, AMT at 18.5 % + cess 3 %
      // on adjusted total income above 20 lakh (s.115JEE(2)):
      // 2014-15: 40 lakh less 20 lakh: tax 30,000 + 1,00,000 + 3,00,000 = 4,30,000
      //          + 12,900 = 4,42,900; AMT on 40 lakh 7,40,000 + 22,200 = 7,62,200
      //          payable; credit 3,19,300 arises.
      // 2015-16: 30 lakh less 5 lakh: 25,000 + 1,00,000 + 4,50,000 = 5,75,000
      //          + 17,250 = 5,92,250; AMT on 30 lakh 5,55,000 + 16,650 = 5,71,650;
      //          room 20,600; 2,98,700 carried.
      // 2016-17: 30 lakh, no Part C deduction, no AMT: 7,25,000 + 21,750 =
      //          7,46,750; the 2,98,700 used whole; 4,48,050 payable.
      {"I1", false,
       {{2014, 4000000, 0, 2000000, 0, 0, 762200, {{2014, 319300}}},
        {2015, 3000000, 0, 500000, 319300, 20600, 571650, {{2014, 298700}}},
        {2016, 3000000, 0, 0, 298700, 298700, 448050, {}}},
       {"2014|442900|762200|0|C", "2015|592250|571650|20600|C", "2016|746750|0|298700|C"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.client);
    for (const auto& y : c.years) seedYear(c.client, c.company, y);
    for (int i = 0; i < 3; ++i) dialogs().answer(Answer::yes);
    const size_t m = mark();
    open(c.client, c.years.front().year);
    expectYear(c.years[0]);
    for (size_t i = 1; i < c.years.size(); ++i) {
      choose("CmbasYr", assessmentYearText(c.years[i].year));
      expectYear(c.years[i]);
    }
    choose("CmbasYr", assessmentYearText(c.years.back().year + 1));  // leaves the last year, recomputed
    EXPECT_EQ(rows("SELECT ass_year, taxnormal, taxmatamt, creditutil, marker FROM taxcr115jbc1 WHERE code_no = ? "
                   "ORDER BY ass_year",
                   {std::string(c.client)}),
              c.rowsLeft)
        << host().desktop().statusLine;
    for (const auto& t : textsSince(m))
      EXPECT_EQ(t.find("Carry Forward \""), std::string::npos) << "nothing to bring: every year is the original's";
    host().desktop().close(*ws_);
  }
}

// Last year's return was revised with figures of its own: opening this year
// offers its credit row in place of the original's; Yes takes it, No keeps
// the original's, and either way the year counts once.
TEST_P(WorkspaceCredit, LastYearsRevisedFiguresAreCarriedInPlaceOfTheOriginals) {
  const std::string question = "Do you want to Carry Forward \"MAT Credit u/s 115JAA\" available from Previous Year ?";
  struct Case {
    Answer answer;
    long long broughtForward;
    std::vector<std::string> row2015;  // carried_into|taxnormal|taxmatamt|creditutil
  } cases[] = {
      // Revised 2015-16: MAT 4,00,000 against tax 1,00,000: 3,00,000 of
      // credit, kept as brought into 2016-17 beside the original's own row.
      {Answer::yes, 300000, {"0|150000|200000|0", "2016|100000|400000|0"}},
      // The original's 2015-16: 2,00,000 against 1,50,000: 50,000.
      {Answer::no, 50000, {"0|150000|200000|0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer == Answer::yes ? "Yes" : "No");
    conn().execute("DELETE FROM taxcr115jbc1");
    conn().execute("DELETE FROM nrevordr WHERE code_no = 'C1'");
    conn().execute("INSERT INTO taxcr115jbc1 (code_no, ass_year, taxnormal, taxmatamt, creditutil, marker) VALUES "
                   "('C1', 2015, 150000, 200000, 0, 'B'), ('C1^R-2', 2015, 100000, 400000, 0, 'B')");
    conn().execute("INSERT INTO nrevordr (code_no, asyear, srno, typ, flagyn) VALUES "
                   "('C1', 2015, 1, 'R', 'N'), ('C1', 2015, 2, 'R', 'Y')");
    const size_t m = mark();
    dialogs().answer(c.answer);
    open("C1", 2016);
    EXPECT_EQ(textsSince(m), std::vector<std::string>{question});
    EXPECT_EQ(computed().creditBroughtForward.wholeRupees(), c.broughtForward);
    EXPECT_EQ(rows("SELECT carried_into, taxnormal, taxmatamt, creditutil FROM taxcr115jbc1 WHERE code_no = 'C1' "
                   "AND ass_year = 2015 ORDER BY carried_into"),
              c.row2015);
    host().desktop().close(*ws_);
  }
  // No alternate tax reached an individual before A.Y. 2013-14: nothing is offered.
  conn().execute("INSERT INTO taxcr115jbc1 (code_no, ass_year, taxnormal, taxmatamt, marker) VALUES "
                 "('I1^R-2', 2011, 0, 9000, 'C')");
  conn().execute("INSERT INTO nrevordr (code_no, asyear, srno, typ, flagyn) VALUES "
                 "('I1', 2011, 1, 'R', 'N'), ('I1', 2011, 2, 'R', 'Y')");
  const size_t m = mark();
  open("I1", 2012);
  EXPECT_TRUE(textsSince(m).empty());
}

// After a Yes, computing last year's original again rewrites the original's
// own row and leaves the revised figures this year was given; coming back to
// this year reads them still and does not ask again.
TEST_P(WorkspaceCredit, RecomputingTheOriginalKeepsTheRevisedFiguresCarried) {
  const std::string question = "Do you want to Carry Forward \"MAT Credit u/s 115JAA\" available from Previous Year ?";
  conn().execute("INSERT INTO taxcr115jbc1 (code_no, ass_year, taxnormal, taxmatamt, creditutil, marker) VALUES "
                 "('C1', 2015, 150000, 200000, 0, 'B'), ('C1^R-2', 2015, 100000, 400000, 0, 'B')");
  conn().execute("INSERT INTO nrevordr (code_no, asyear, srno, typ, flagyn) VALUES "
                 "('C1', 2015, 1, 'R', 'N'), ('C1', 2015, 2, 'R', 'Y')");
  // The original's 2015-16: interest 5 lakh at 30 % + cess 3 % = 1,54,500;
  // MAT on 10 lakh 1,85,000 + 5,550 = 1,90,550 payable: 36,050 of credit.
  seedYear("C1", true, {2015, 500000, 1000000, 0, 0, 0, 0, {}});
  dialogs().answer(Answer::yes);
  const size_t m = mark();
  open("C1", 2016);
  EXPECT_EQ(computed().creditBroughtForward.wholeRupees(), 300000);  // the revision's 4,00,000 - 1,00,000
  // The year opens on its settled revision; the original is chosen and left,
  // which computes it again.
  choose("CmbasYr", assessmentYearText(2015));
  raise(*ws_, "vsRevOrd", ui::EventType::rowColChange, 0);
  ASSERT_EQ(host().clientCtx().vt_RTCode_No.get(), "C1");
  EXPECT_EQ(computed().creditBroughtForward.wholeRupees(), 0);
  choose("CmbasYr", assessmentYearText(2016));
  EXPECT_EQ(rows("SELECT carried_into, taxnormal, taxmatamt, creditutil FROM taxcr115jbc1 WHERE code_no = 'C1' "
                 "AND ass_year = 2015 ORDER BY carried_into"),
            (std::vector<std::string>{"0|154500|190550|0", "2016|100000|400000|0"}));
  EXPECT_EQ(computed().creditBroughtForward.wholeRupees(), 300000);
  EXPECT_EQ(textsSince(m), std::vector<std::string>{question});
  // The year after reads the revision's 3,00,000 through it, not the original's 36,050.
  choose("CmbasYr", assessmentYearText(2017));
  EXPECT_EQ(computed().creditBroughtForward.wholeRupees(), 300000);
}

MERIDIAN_ON_BOTH_ENGINES(WorkspaceCredit);

}  // namespace
}  // namespace meridian::reg::testing
