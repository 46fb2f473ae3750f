// The due-date masters screen: loading a year, editing dates, the checks of
// the save, the instalment row rule and the question on leaving a changed year.
#include <gtest/gtest.h>

#include "common/years.h"
#include "host/due_date_categories.h"
#include "host/due_date_store.h"
#include "register/due_date_panel.h"
#include "support/session_fixture.h"

namespace meridian::reg {
namespace {

using P = DueDatePanel;
using ui::Answer;

class DueDateScreen : public testsupport::SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    signed_ = signIn(makeUser("clerk"));
    form_ = std::make_unique<ui::Form>("income", "Income Tax");
    form_->attach(nullptr, &dialogs_);
    panel_ = std::make_unique<DueDatePanel>(*form_, signed_.session->component().base());
  }
  ui::Grid& filing() { return form_->grid(P::filingGrid); }
  ui::Grid& instalments() { return form_->grid(P::instalmentGrid); }
  void edit(const char* grid, int row, int col, const std::string& typed) {
    ui::Event e{grid, ui::EventType::cellEdited, 0, row, col, typed};
    ASSERT_TRUE(form_->dispatch(e));
  }
  void chooseYear(const std::string& text) {
    (*form_)[P::yearList].selectText(text);
    ui::Event e{P::yearList, ui::EventType::click};
    ASSERT_TRUE(form_->dispatch(e));
  }
  bool clickSave() {
    ui::Event e{P::saveButton, ui::EventType::click};
    return form_->dispatch(e);
  }
  std::vector<std::string> tables() {
    auto a = database().dump("duedt_master");
    auto b = database().dump("advtaxduedt");
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
  int rowOf(int statc) {
    for (int r = 0; r < filing().rowCount(); ++r)
      if (filing().textMatrix(r, P::colPerson) == categoriesText(statc)) return r;
    return -1;
  }
  std::string categoriesText(int statc);

  Signed signed_;
  ui::ScriptedDialogs dialogs_;
  std::unique_ptr<ui::Form> form_;
  std::unique_ptr<DueDatePanel> panel_;
};

std::string DueDateScreen::categoriesText(int statc) {
  for (const auto& c : host::categoriesOf(panel_->year()))
    if (c.statc == statc) return c.text;
  return "";
}

TEST_P(DueDateScreen, OffersTheYearsAndGridsUnderTheirTitles) {
  EXPECT_FALSE((*form_)[P::frame].visible) << "shown only in due-date mode";
  const auto& years = (*form_)[P::yearList].items;
  ASSERT_EQ(years.size(), 26u);
  EXPECT_EQ(years.front(), "1992-93");
  EXPECT_EQ(years.back(), "2017-18");
  EXPECT_EQ(filing().titles,
            (std::vector<std::string>{"Person", "Original Due Date", "Extended Due Date", "Notification No."}));
  EXPECT_EQ(instalments().titles, (std::vector<std::string>{"Installment", "Date"}));

  panel_->enter();
  EXPECT_TRUE((*form_)[P::frame].visible);
  EXPECT_EQ((*form_)[P::yearList].text, "2017-18") << "the latest year comes first";
}

TEST_P(DueDateScreen, LoadShowsTheYearsRowsInstalmentsAndNote) {
  struct Case {
    int year;
    size_t rows;
    std::vector<std::string> lastRow;
    std::vector<std::string> instalmentDates;
    bool instalmentsShown;
    std::string note;
  } cases[] = {
      {2016, 9, {"Any Other Assessee", "31/07/2016", "05/08/2016", "CBDT Order F.No.225/195/2016/ITA.II dt 29/07/2016"},
       {"15/06/2015", "15/09/2015", "15/12/2015", "15/03/2016"}, true,
       "Press Release dated 15-12-2015: Date of payment of the December installment of advance tax is extended from "
       "15-12-2015 to 31-12-2015 for the taxpayers in the State of Tamil Nadu or Union territory of Puducherry."},
      {2015, 8, {"Any Other Assessee", "31/07/2015", "31/08/2015", "CBDT Order F.No.225/154/2015/ITA.II dt 10/06/2015"},
       {"15/06/2014", "15/09/2014", "15/12/2014", "15/03/2015"}, true,
       "Press Release dated 18-09-2014: Date of payment of the September installment of advance tax is extended "
       "from 15-09-2014 to 15-12-2014 for the taxpayers in State of Jammu & Kashmir."},
      {2006, 5, {"Any Other Assessee", "31/07/2006", "31/10/2006",
                 "CBDT announcement Jul-2006: only non-audit business/profession cases; salaried etc. remain 31/07/2006"},
       {"15/06/2005", "15/09/2005", "15/12/2005", "15/03/2006"}, true, ""},
      {2000, 5, {"Any Other Assessee", "30/06/2000", "", ""}, {"15/06/1999", "15/09/1999", "15/12/1999", "15/03/2000"},
       true, ""},
      {1999, 5, {"Any Other Assessee", "30/06/1999", "", ""}, {"15/06/1998", "15/09/1998", "15/12/1998", "15/03/1999"},
       false, ""},
  };
  panel_->enter(2014);
  for (const auto& c : cases) {
    chooseYear(assessmentYearText(c.year));
    EXPECT_EQ(panel_->year(), c.year);
    ASSERT_EQ(filing().rows.size(), c.rows) << c.year;
    EXPECT_EQ(filing().rows.back(), c.lastRow) << c.year;
    std::vector<std::string> dates;
    for (int r = 0; r < instalments().rowCount(); ++r) dates.push_back(instalments().textMatrix(r, P::colDate));
    EXPECT_EQ(dates, c.instalmentDates) << c.year;
    EXPECT_EQ(instalments().textMatrix(1, P::colInstalment), "IInd");
    EXPECT_EQ((*form_)[P::instalmentFrame].visible, c.instalmentsShown) << c.year;
    EXPECT_EQ((*form_)[P::extensionLabel].caption, c.note) << c.year;
  }
  EXPECT_TRUE(dialogs_.shown().empty()) << "nothing was changed, so nothing is asked";
}

TEST_P(DueDateScreen, LoadPlacesRowsStoredInAnEarlierLayout) {
  // A 2008 saved with the four rows of the 2001-05 list.
  conn().execute("DELETE FROM duedt_master WHERE assyear = 2008");
  const char* dates[] = {"30/09/2008", "01/10/2008", "02/10/2008", "31/07/2008"};
  for (int s = 1; s <= 4; ++s)
    conn().execute("INSERT INTO duedt_master (assyear, statc, duedt) VALUES (2008, ?, ?)", {s, dates[s - 1]});
  panel_->enter(2008);
  std::vector<std::string> shown;
  for (int r = 0; r < filing().rowCount(); ++r) shown.push_back(filing().textMatrix(r, P::colDueDt));
  EXPECT_EQ(shown, (std::vector<std::string>{"30/09/2008", "01/10/2008", "02/10/2008", "01/10/2008", "31/07/2008",
                                             "31/07/2008"}));
  // Saved again, the year is stored in the current layout.
  edit(P::filingGrid, 0, P::colRevDueDt, "15/10/2008");
  ASSERT_TRUE(panel_->save());
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM duedt_master WHERE assyear = 2008"), "6");
  EXPECT_EQ(conn().scalar("SELECT duedt FROM duedt_master WHERE assyear = 2008 AND statc = 6"), "31/07/2008");
}

TEST_P(DueDateScreen, EditedDatesAreCompletedAndKeptInsideTheYear) {
  struct Case {
    int year;
    const char* grid;
    int row, col;
    std::string typed, cell, message;
  } cases[] = {
      {2016, P::filingGrid, 0, P::colDueDt, "31/07/2015", "31/07/2015",
       "Date should be between 01/04/2016 and 31/03/2017"},
      {2016, P::filingGrid, 2, P::colRevDueDt, "1/4/17", "01/04/2017", "Date should be between 01/04/2016 and 31/03/2017"},
      {2016, P::filingGrid, 2, P::colRevDueDt, "31032017", "31/03/2017", ""},
      {2016, P::filingGrid, 2, P::colRevDueDt, "1/4/2016", "01/04/2016", ""},
      {2016, P::filingGrid, 3, P::colRevDueDt, "not a date", "", ""},
      {2016, P::instalmentGrid, 2, P::colDate, "31/12/2015", "31/12/2015", ""},
      {2016, P::instalmentGrid, 2, P::colDate, "31/12/2016", "31/12/2016",
       "Date should be between 01/04/2015 and 31/03/2016"},
      {1995, P::filingGrid, 4, P::colDueDt, "31/03/1995", "31/03/1995", "Date should be between 01/04/1995 and 31/03/1996"},
  };
  for (const auto& c : cases) {
    panel_->load(c.year);
    dialogs_.clear();
    edit(c.grid, c.row, c.col, c.typed);
    auto& g = form_->grid(c.grid);
    EXPECT_EQ(g.textMatrix(c.row, c.col), c.cell) << c.typed;
    EXPECT_TRUE(g.changed) << c.typed;
    if (c.message.empty()) {
      EXPECT_TRUE(dialogs_.shown().empty()) << c.typed;
      continue;
    }
    ASSERT_EQ(dialogs_.texts(), std::vector<std::string>{c.message}) << c.typed;
    EXPECT_EQ(dialogs_.shown()[0].message.icon, ui::Icon::information);
    EXPECT_EQ(g.selectedRow, c.row) << "the cell is selected again";
    EXPECT_EQ(g.selectedCol, c.col);
    EXPECT_EQ(form_->focus, c.grid);
  }
  // The category column is not the user's to type in.
  panel_->load(2016);
  edit(P::filingGrid, 0, P::colPerson, "Somebody");
  EXPECT_EQ(filing().textMatrix(0, P::colPerson), "Assessee required to furnish a report under section 92E");
  EXPECT_FALSE(panel_->changed());
}

TEST_P(DueDateScreen, RefusedSaveWritesNothing) {
  struct Case {
    std::string what;
    std::vector<std::tuple<const char*, int, int, std::string>> edits;
    std::string message;
    const char* grid;
    int row, col;
  } cases[] = {
      {"original date emptied", {{P::filingGrid, 3, P::colDueDt, ""}}, "Please Specify Due Date.", P::filingGrid, 3,
       P::colDueDt},
      {"an empty date is reported before a date out of range",
       {{P::filingGrid, 0, P::colDueDt, "31/07/2015"}, {P::filingGrid, 6, P::colDueDt, ""}},
       "Please Specify Due Date.", P::filingGrid, 6, P::colDueDt},
      {"extended date out of range", {{P::filingGrid, 8, P::colRevDueDt, "05/08/2017"}},
       "Date should be between 01/04/2016 and 31/03/2017", P::filingGrid, 8, P::colRevDueDt},
      {"instalment emptied", {{P::instalmentGrid, 3, P::colDate, ""}}, "Please Specify Due Date.", P::instalmentGrid, 3,
       P::colDate},
      {"instalment out of its year", {{P::instalmentGrid, 0, P::colDate, "15/06/2016"}},
       "Date should be between 01/04/2015 and 31/03/2016", P::instalmentGrid, 0, P::colDate},
  };
  for (const auto& c : cases) {
    panel_->enter(2016);
    edit(P::filingGrid, 8, P::colNotification, "changed as well");
    for (const auto& [grid, row, col, typed] : c.edits) edit(grid, row, col, typed);
    const auto before = tables();
    dialogs_.clear();
    EXPECT_TRUE(clickSave());
    EXPECT_EQ(tables(), before) << c.what;
    ASSERT_FALSE(dialogs_.texts().empty()) << c.what;
    EXPECT_EQ(dialogs_.texts().back(), c.message) << c.what;
    auto& g = form_->grid(c.grid);
    EXPECT_EQ(g.selectedRow, c.row) << c.what;
    EXPECT_EQ(g.selectedCol, c.col) << c.what;
    EXPECT_TRUE(panel_->changed()) << c.what << ": the edits stay on the screen";
    panel_->load(2016);
  }
}

TEST_P(DueDateScreen, SaveReplacesTheYearAndKeepsTheSourcesOfUntouchedRows) {
  panel_->enter(2016);
  const int anyOther = rowOf(9);
  ASSERT_GE(anyOther, 0);
  edit(P::filingGrid, anyOther, P::colRevDueDt, "10/08/2016");
  edit(P::filingGrid, anyOther, P::colNotification, "Order dt 01/08/2016 'quoted' \\ text");
  ASSERT_TRUE(panel_->save());
  EXPECT_FALSE(panel_->changed());

  auto rows = host::readDueDates(conn(), 2016);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[9].revDueDt, "10/08/2016");
  EXPECT_EQ(rows[9].notification, "Order dt 01/08/2016 'quoted' \\ text");
  EXPECT_EQ(rows[9].sourceUrl, "");
  EXPECT_EQ(rows[9].confidence, "user");
  EXPECT_EQ(rows[2].revDueDt, "17/10/2016");
  EXPECT_FALSE(rows[2].sourceUrl.empty()) << "an untouched row keeps where its date came from";
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM duedt_master WHERE assyear = 2015"), "8") << "other years untouched";
}

TEST_P(DueDateScreen, InstalmentRowIsKeptOnlyWhenADateDiffersFromTheStatutoryOne) {
  struct Case {
    int year;
    std::vector<std::pair<int, std::string>> edits;  // instalment row, date
    std::vector<std::string> stored;                 // empty: no row for the year
  } cases[] = {
      {2016, {}, {}},
      {2016, {{2, "31/12/2015"}}, {"15/06/2015", "15/09/2015", "31/12/2015", "15/03/2016"}},
      {2016, {{2, "15/12/2015"}}, {}},
      {2014, {{2, "17/12/2013"}}, {"15/06/2013", "15/09/2013", "17/12/2013", "15/03/2014"}},
      {2000, {{0, "16/06/1999"}}, {"16/06/1999", "15/09/1999", "15/12/1999", "15/03/2000"}},
      {1999, {}, {}},
  };
  for (const auto& c : cases) {
    panel_->enter(c.year);
    for (const auto& [row, date] : c.edits) edit(P::instalmentGrid, row, P::colDate, date);
    edit(P::filingGrid, 0, P::colNotification, "saved");  // a change, so that the year is written
    ASSERT_TRUE(panel_->save()) << c.year;
    std::vector<std::string> stored;
    for (const auto& r : conn().query("SELECT duedt1, duedt2, duedt3, duedt4 FROM advtaxduedt WHERE assyear = ?",
                                      {c.year}))
      for (size_t i = 0; i < 4; ++i) stored.push_back(r.text(i));
    EXPECT_EQ(stored, c.stored) << c.year;
    if (!c.stored.empty()) {
      panel_->load(c.year);
      EXPECT_EQ(instalments().textMatrix(2, P::colDate), c.stored[2]) << "stored dates are shown";
    }
  }
}

TEST_P(DueDateScreen, LeavingAChangedYearAsksAndFollowsTheAnswer) {
  const std::string question = "Do you want to Save Changes Made in A.Y. 2016-17";
  struct Case {
    std::string what;
    bool byLeavingScreen;
    std::string typed;  // extended date of row 1
    Answer answer;
    std::string stored;  // extended date of row 1 afterwards
    bool moved;          // went on to the other year / left the screen
  } cases[] = {
      {"year changed, No", false, "01/12/2016", Answer::no, "", true},
      {"year changed, Yes", false, "01/12/2016", Answer::yes, "01/12/2016", true},
      {"year changed, Yes, save refused", false, "01/12/2017", Answer::yes, "", false},
      {"screen left, No", true, "01/12/2016", Answer::no, "", true},
      {"screen left, Yes", true, "01/12/2016", Answer::yes, "01/12/2016", true},
      {"screen left, Yes, save refused", true, "01/12/2017", Answer::yes, "", false},
  };
  for (const auto& c : cases) {
    conn().execute("UPDATE duedt_master SET revduedt = '' WHERE assyear = 2016 AND statc = 1");
    panel_->enter(2016);
    edit(P::filingGrid, 0, P::colRevDueDt, c.typed);
    dialogs_.clear();
    dialogs_.answer(c.answer);
    bool moved;
    if (c.byLeavingScreen) {
      moved = panel_->leave();
      EXPECT_EQ((*form_)[P::frame].visible, !moved) << c.what;
    } else {
      chooseYear("2015-16");
      moved = panel_->year() == 2015;
      EXPECT_EQ((*form_)[P::yearList].text, moved ? "2015-16" : "2016-17") << c.what;
    }
    EXPECT_EQ(moved, c.moved) << c.what;
    ASSERT_FALSE(dialogs_.shown().empty()) << c.what;
    const auto& asked = dialogs_.shown()[0].message;
    EXPECT_EQ(asked.text, question) << c.what;
    EXPECT_EQ(asked.title, "Confirmation");
    EXPECT_EQ(asked.buttons, ui::Buttons::yesNo);
    EXPECT_EQ(conn().scalar("SELECT revduedt FROM duedt_master WHERE assyear = 2016 AND statc = 1"), c.stored)
        << c.what;
    if (moved && c.answer == Answer::no && c.byLeavingScreen) {
      panel_->enter(2016);
      EXPECT_EQ(filing().textMatrix(0, P::colRevDueDt), "") << "No discards the edit";
      EXPECT_FALSE(panel_->changed());
    }
    if (!moved) panel_->load(2016);  // drop the refused edit before the next case
  }
  // An unchanged year is left without a question.
  panel_->enter(2016);
  dialogs_.clear();
  chooseYear("2014-15");
  EXPECT_TRUE(dialogs_.shown().empty());
  EXPECT_TRUE(panel_->leave());
  EXPECT_TRUE(dialogs_.shown().empty());
}

MERIDIAN_ON_BOTH_ENGINES(DueDateScreen);

}  // namespace
}  // namespace meridian::reg
