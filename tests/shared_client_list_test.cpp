#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "host/client_list_view.h"
#include "register/income_form.h"
#include "suite/client_list_table.h"
#include "ui/grid_view.h"
#include "support/session_fixture.h"

namespace meridian::reg {
namespace {

using testsupport::SessionTest;

// Two people signed in on one program, each with the client list open.
class SharedClientList : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    conn().execute("INSERT INTO main_info1 (code_no, nm, status, pan) VALUES ('F1', 'Ganga & Co.', 'FIRM', 'AAAFG1234K')");
    conn().execute("INSERT INTO main_info1 (code_no, nm, status, pan) VALUES ('K1', 'Kaveri Pvt', 'PRIVATE LTD.', 'AAACK1234L')");
    conn().execute("INSERT INTO owner1 (code, code_no, f_nm, l_nm, pan) VALUES ('P1', '', 'Asha', 'Rao', 'ABCPR1234F')");
    suite::rebuildClientList(conn());
    for (const char* name : {"clerk", "partner"}) {
      people_.push_back(signIn(makeUser(name)));
      auto income = std::dynamic_pointer_cast<IncomeForm>(people_.back().session->forms().ObjIncome());
      income->OpenForm(1);
      screens_.push_back(income);
    }
  }
  ClientGrid& list(size_t person) { return screens_[person]->clients(); }
  const host::ClientListView& viewOf(size_t person) {
    return dynamic_cast<const host::ClientListView&>(*list(person).grid().source);
  }
  // A keystroke in the Name box, as the page sends it.
  std::vector<std::string> typeName(size_t person, const std::string& text) {
    list(person).grid().search[1] = text;
    ui::Event e{"TxtS", ui::EventType::change};
    screens_[person]->dispatch(e);
    std::vector<std::string> codes;
    for (int i = 0; i < list(person).visibleCount(); ++i) codes.push_back(list(person).TextMatrix(list(person).grid().visibleRow(i), 0));
    std::sort(codes.begin(), codes.end());
    return codes;
  }
  std::vector<Signed> people_;
  std::vector<std::shared_ptr<IncomeForm>> screens_;
};

TEST_P(SharedClientList, SessionsReadOneListAndSearchItApart) {
  EXPECT_EQ(viewOf(0).list(), viewOf(1).list()) << "each session holds its own copy of the list";
  EXPECT_EQ(typeName(0, "kav"), (std::vector<std::string>{"K1"}));
  EXPECT_EQ(typeName(1, "%a"), (std::vector<std::string>{"F1", "K1", "P1"}));
  EXPECT_EQ(list(0).visibleCount(), 1) << "one session's search changed another's";
  // A tab reopening the list reads no new copy while nothing changed.
  const auto before = viewOf(0).list();
  screens_[0]->OpenForm(1);
  EXPECT_EQ(viewOf(0).list(), before);
}

// A client saved or deleted through another connection to the same database
// (another session of this program, another server, the command line) is in
// the list at the next keystroke of every session.
TEST_P(SharedClientList, ASaveOrDeleteElsewhereShowsAtTheNextKeystroke) {
  struct Case {
    const char* what;
    db::Connection& writer;
  } cases[] = {
      {"another session", people_[1].session->conn()},
      {"the command line", conn()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    db::Connection& writer = c.writer;
    writer.execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('N1', 'Narmada Traders', 'FIRM')");
    suite::refreshClientListRow(writer, "N1");
    EXPECT_EQ(typeName(0, "narm"), (std::vector<std::string>{"N1"}));
    writer.execute("DELETE FROM main_info1 WHERE code_no = 'N1'");
    suite::refreshClientListRow(writer, "N1");
    EXPECT_EQ(typeName(0, "narm"), (std::vector<std::string>{}));
    EXPECT_EQ(typeName(1, ""), (std::vector<std::string>{"F1", "K1", "P1"}));
    EXPECT_EQ(viewOf(0).list(), viewOf(1).list()) << "the sessions went on with different lists";
  }
}

TEST_P(SharedClientList, TheSelectedClientStaysSelectedWhenTheListIsReplaced) {
  ClientGrid& clerk = list(0);
  // The client of the last row, so that a deletion before it moves its row.
  const int last = clerk.grid().rowCount() - 1;
  const std::string chosen = clerk.TextMatrix(last, 0);
  const std::string first = clerk.TextMatrix(0, 0);
  clerk.selectRow(last);
  conn().execute("DELETE FROM main_info1 WHERE code_no = ?", {first});
  conn().execute("DELETE FROM owner1 WHERE code = ?", {first});
  suite::refreshClientListRow(conn(), first);
  typeName(0, "");
  ASSERT_EQ(clerk.grid().rowCount(), last);
  ASSERT_GE(clerk.selectedRow(), 0);
  EXPECT_EQ(clerk.TextMatrix(clerk.selectedRow(), 0), chosen);
}

// The module's exclusion file is read into each view; the shared list keeps
// every client.
TEST_P(SharedClientList, AViewLeavesOutTheExcludedClientsOfItsModule) {
  std::filesystem::create_directories(app().data().documents() / "cma_data");
  std::ofstream(app().data().documents() / "cma_data" / "it.txt") << "K1\nNOSUCH\n";
  list(0).LoadClList("IT");
  list(1).LoadClList("");
  EXPECT_EQ(typeName(0, ""), (std::vector<std::string>{"F1", "P1"}));
  EXPECT_EQ(typeName(1, ""), (std::vector<std::string>{"F1", "K1", "P1"}));
  EXPECT_EQ(viewOf(0).find("K1"), -1);
  EXPECT_EQ(viewOf(0).list()->size(), 3u);
  const int p1 = viewOf(0).find("P1");
  ASSERT_GE(p1, 0);
  EXPECT_EQ(viewOf(0).cell(p1, 0), "P1");
}

// A keystroke that types a text further searches only the rows the last one
// showed. Whatever was typed before, sorted or not, the list must be the one
// a fresh search for the same text shows, row for row and in the same order.
TEST_P(SharedClientList, TypingFurtherShowsWhatAFreshSearchShows) {
  const char* names[] = {"Asha Rao", "asha traders", "Ashok Rao", "Ravi Rao", "Rao & Sons", "Kaveri Rao", "ASHWIN", "Rasa"};
  for (size_t i = 0; i < std::size(names); ++i)
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES (?, ?, 'FIRM')", {"T" + std::to_string(i), names[i]});
  suite::rebuildClientList(conn());
  list(0).LoadClList("");
  list(1).LoadClList("");
  auto shownInOrder = [&](size_t person) {
    std::vector<std::string> codes;
    for (int i = 0; i < list(person).visibleCount(); ++i) codes.push_back(list(person).TextMatrix(list(person).grid().visibleRow(i), 0));
    return codes;
  };
  struct Step {
    const char* text;
    int sortByName;  // 0: as it is; 1: a click on the Name title before the keystroke
  } steps[] = {{"a", 0}, {"as", 0}, {"ash", 0}, {"asho", 0}, {"ash", 0}, {"as", 1}, {"ash", 0}, {"ashw", 1},
               {"%", 0}, {"%r", 0}, {"%ra", 0}, {"%rao", 0}, {"%ao", 0}, {"%a", 0}, {"r", 0}, {"ra", 1}, {"rao", 0}, {"", 0}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.text);
    if (step.sortByName) {
      ui::sortByTitleClick(list(0).grid(), 1);
      ui::sortByTitleClick(list(1).grid(), 1);
    }
    typeName(0, step.text);
    typeName(1, "");  // the other screen searches afresh
    typeName(1, step.text);
    EXPECT_EQ(shownInOrder(0), shownInOrder(1));
  }
  EXPECT_EQ(typeName(0, "ash"), (std::vector<std::string>{"P1", "T0", "T1", "T2", "T6"}));
}

MERIDIAN_ON_BOTH_ENGINES(SharedClientList);

}  // namespace
}  // namespace meridian::reg
