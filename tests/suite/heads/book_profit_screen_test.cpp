// The book-profit screen (ObjMat_Cal) on both engines: the net profit and the
// adjustments typed clause by clause are saved in one go, shown again and
// read into the computation; the clauses offered follow the year; a clause
// that has parts is refused with its amount, and nothing is written.
#include <gtest/gtest.h>

#include "suite/heads/book_profit_form.h"
#include "suite/heads/head_screen_fixture.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

using F = BookProfitForm;

const std::vector<std::string> kTables = {"mat_cal", "tbmatadddedn"};

class BookProfitScreen : public ScreenEventsTest {
 protected:
  std::shared_ptr<F> open(int year = 2016) { return openFor<F>("ObjMat_Cal", "C1", year); }
  void typeNetProfit(F& form, const std::string& text) {
    form["txtNetProfit"].text = text;
    dispatch(form, {"txtNetProfit", ui::EventType::change});
  }
};

TEST_P(BookProfitScreen, TheAdjustmentsAreSavedShownAgainAndMakeTheBookProfit) {
  auto form = open();
  typeNetProfit(*form, "4200000");
  addRow(*form, F::additions, "Addition", {{"Clause", "a"}, {"Particulars", "Provision for income-tax"}, {"Amount", "600000"}});
  addRow(*form, F::additions, "Addition", {{"Clause", "(h"}, {"Amount", "150000"}});
  addRow(*form, F::deductions, "Deduction", {{"Clause", "iii"}, {"Amount", "900000"}});
  addRow(*form, F::deductions, "Deduction", {{"Clause", "iid(b)"}, {"Amount", "50000"}});
  EXPECT_NE((*form)["lblTotals"].caption.find("Book Profit : 40,00,000.00"), std::string::npos)
      << "42,00,000 + 6,00,000 + 1,50,000 - 9,00,000 - 50,000: " << (*form)["lblTotals"].caption;
  ASSERT_TRUE(form->save()) << lastMessage();

  EXPECT_EQ(scalar("SELECT COUNT(*) FROM tbmatadddedn WHERE code_no = 'C1' AND ass_year = 2016 AND flagad = 'A'"), "2");
  EXPECT_EQ(scalar("SELECT clause FROM tbmatadddedn WHERE code_no = 'C1' AND flagad = 'D' AND srno = 2"), "iid(B)");
  EXPECT_EQ(scalar("SELECT part FROM tbmatadddedn WHERE code_no = 'C1' AND flagad = 'A' AND srno = 1"),
            "PROVISION FOR INCOME-TAX");
  EXPECT_EQ(loadYearInput(conn(), {"C1", "C1", 2016}).input.bookProfit, Money::rupees(4000000));

  click(*form, "cmdBack");
  form = open();
  EXPECT_EQ((*form)["txtNetProfit"].text, "4200000.00");
  EXPECT_EQ(rowOf(*form, F::additions, 1), (std::vector<std::string>{"(h) Deferred Tax", "", "150000.00"}));
  EXPECT_EQ(rowOf(*form, F::deductions, 1)[0], "(iid)(B) Interest, Royalty, Fees for Technical Services");
  EXPECT_FALSE(form->changed());
}

TEST_P(BookProfitScreen, TheClausesOfferedAreThoseOfTheYear) {
  struct Case {
    int year;
    std::string grid, key, clause;
    bool offered;
  };
  // Clauses (fa) to (fc), (k) and (iic) to (iif) stand from A.Y. 2016-17.
  for (const Case& c : std::vector<Case>{{2015, F::additions, "Addition", "fb(A)", false},
                                         {2016, F::additions, "Addition", "fb(A)", true},
                                         {2015, F::additions, "Addition", "j", true},
                                         {2015, F::deductions, "Deduction", "iif", false},
                                         {2017, F::deductions, "Deduction", "iif", true},
                                         {2016, F::deductions, "Deduction", "a", false}}) {
    SCOPED_TRACE(std::to_string(c.year) + " " + c.clause);
    auto form = open(c.year);
    addRow(*form, c.grid, c.key, {{"Clause", c.clause}});
    const std::string shown = rowOf(*form, c.grid, 0)[0];
    EXPECT_EQ(shown.starts_with("("), c.offered) << shown;
    if (!c.offered) {
      EXPECT_NE(lastMessage().find("'Clause' must be one of"), std::string::npos) << lastMessage();
      EXPECT_FALSE(form->save()) << "a clause the year does not have is not saved";
    }
    dialogs().answer(ui::Answer::no);
    click(*form, "cmdBack");
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM tbmatadddedn"), "0") << "each case was left without saving";
}

TEST_P(BookProfitScreen, AClauseThatHasPartsTakesItsAmountByPart) {
  auto form = open();
  typeNetProfit(*form, "1000000");
  addRow(*form, F::deductions, "Deduction", {{"Clause", "ii"}, {"Amount", "10000"}});
  addRow(*form, F::deductions, "Deduction", {{"Clause", "iie"}, {"Amount", "25000"}});
  const auto before = dumpOf(kTables);
  EXPECT_FALSE(form->save());
  EXPECT_EQ(lastMessage(), "Please bifurcate clause 'iie' details in 'iie(A) or iie(B) or iie(C)'.");
  EXPECT_EQ(form->grid(F::deductions).selectedRow, 1);
  EXPECT_EQ(dumpOf(kTables), before) << "a refused save writes nothing";

  dialogs().answer(ui::Answer::no);
  click(*form, "cmdBack");

  // The year before, the clause had no parts: nothing to split.
  auto earlier = open(2015);
  addRow(*earlier, F::additions, "Addition", {{"Clause", "f"}, {"Amount", "5000"}});
  EXPECT_TRUE(earlier->save()) << lastMessage();
}

TEST_P(BookProfitScreen, AdjustmentsWithoutAProfitKeepTheYearsRow) {
  auto form = open();
  addRow(*form, F::deductions, "Deduction", {{"Clause", "iii"}, {"Amount", "300000"}});
  ASSERT_TRUE(form->save()) << lastMessage();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM mat_cal WHERE code_no = 'C1' AND ass_year = 2016"), "1");
  EXPECT_EQ(loadYearInput(conn(), {"C1", "C1", 2016}).input.bookProfit, Money::rupees(-300000))
      << "a loss as per books, not a book profit dropped";
}

MERIDIAN_ON_BOTH_ENGINES(BookProfitScreen);

}  // namespace
}  // namespace meridian::suite::heads
