#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/client_list_changes.h"
#include "register/credit_transfer.h"
#include "register/income_form.h"
#include "register/summary_panel.h"
#include "suite/client_list_table.h"
#include "support/session_fixture.h"

namespace meridian::reg {
namespace {

using testsupport::SessionTest;

class Dashboard : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    conn().execute("INSERT INTO main_info1 (code_no, nm, status, pan, mrr) VALUES ('F1', 'Ganga & Co.', 'FIRM', 'AAAFG1234K', 1)");
    conn().execute("INSERT INTO main_info1 (code_no, nm, status, pan) VALUES ('K1', 'Kaveri Pvt', 'PRIVATE LTD.', 'AAACK1234L')");
    conn().execute("INSERT INTO owner1 (code, code_no, f_nm, l_nm, pan, sex) VALUES ('P1', '', 'Asha', 'Rao', 'ABCPR1234F', 'FEMALE')");
    conn().execute("INSERT INTO owner1 (code, code_no, f_nm, l_nm, pan) VALUES ('P2', 'F1', 'Ravi', 'Iyer', 'ZZZPI9999Z')");
    suite::rebuildClientList(conn());
    user_ = makeUser("clerk");
    signed_ = signIn(user_);
    income_ = std::dynamic_pointer_cast<IncomeForm>(signed_.session->forms().ObjIncome());
  }
  host::Component& host() { return signed_.session->component(); }
  void choose(const std::string& code) {
    ui::Grid& g = income_->clients().grid();
    for (int r = 0; r < g.rowCount(); ++r)
      if (g.textMatrix(r, 0) == code) g.selectedRow = r;
    ui::Event e{"ClGrd", ui::EventType::keyDown, ui::keys::enter, g.selectedRow};
    income_->dispatch(e);
  }
  suite::User user_;
  Signed signed_;
  std::shared_ptr<IncomeForm> income_;
};

TEST_P(Dashboard, ModesArrangeTheScreen) {
  struct Case {
    int mode;
    bool instruction, main, list, reports, summary, dueDates;
  } cases[] = {
      {1, true, true, true, false, false, false},  {2, false, true, true, false, false, false},
      {3, false, true, false, true, false, false},  {4, false, false, false, false, true, false},
      {5, false, false, false, false, false, true}, {6, false, false, true, false, false, false},
      {7, false, false, true, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    income_->OpenForm(c.mode);
    EXPECT_EQ((*income_)["lblinstruction"].visible, c.instruction);
    EXPECT_EQ((*income_)["fammain"].visible, c.main);
    EXPECT_EQ((*income_)["famclients"].visible, c.list);
    EXPECT_EQ((*income_)["famreps"].visible, c.reports);
    EXPECT_EQ((*income_)["famsummary"].visible, c.summary);
    EXPECT_EQ((*income_)["famduedate"].visible, c.dueDates);
  }
  EXPECT_EQ((*income_)["cbocompAY"].items.front(), "2000-01");
  EXPECT_EQ((*income_)["cbocompAY"].items.back(), "2017-18");
  EXPECT_EQ((*income_)["cbosummrepAY"].items.front(), "2000-01");
  EXPECT_EQ((*income_)["cboduedateAY"].items.front(), "1992-93");
  EXPECT_EQ((*income_)["cboduedateAY"].items.back(), "2017-18");
  EXPECT_EQ(host().base().vChkCatg.get(), "IT");
}

TEST_P(Dashboard, ListLoadsWithExclusionsCountAndLastClient) {
  std::filesystem::create_directories(app().data().documents() / "cma_data");
  std::ofstream(app().data().documents() / "cma_data" / "it.txt") << "K1\n";
  host().base().vLstSelClCode = "P1";
  income_->OpenForm(1);
  ClientGrid& list = income_->clients();
  EXPECT_EQ(list.visibleCount(), 3);
  EXPECT_EQ((*income_)["lblRecCount"].caption, "No. of Records : 3");
  EXPECT_EQ(list.TextMatrix(list.selectedRow(), 0), "P1");
  EXPECT_TRUE((*income_)["cmdClListSel"].visible);
  list.LoadClList("?");
  EXPECT_EQ(list.visibleCount(), 4) << "\"?\" reads no exclusion file";
  EXPECT_TRUE((*income_)["cmdClListSel"].visible) << "\"?\" leaves the selection label as it was";
  list.LoadClList("");
  EXPECT_FALSE((*income_)["cmdClListSel"].visible);

  list.grid().search[10] = "XXXPR1234X";
  list.SearchClient();
  ASSERT_EQ(list.visibleCount(), 1);
  EXPECT_EQ(list.TextMatrix(list.grid().visibleRow(0), 0), "P1");
  EXPECT_EQ((*income_)["lblRecCount"].caption, "No. of Records : 1");
}

TEST_P(Dashboard, ABadColumnLayoutStillLoadsTheList) {
  host().base().SaveSettingINI("Settings", "ClList", "4|0|42|1|banana");
  host().base().SaveSettingINI("Settings", "ClFrozen", "2");
  income_->OpenForm(1);
  ui::Grid& g = income_->clients().grid();
  EXPECT_EQ(g.rowCount(), 4);
  EXPECT_TRUE(g.hidden[4]);
  EXPECT_FALSE(g.hidden[10]);
  EXPECT_EQ(g.frozenCols, 2);
}

// The working context a chosen client writes, in order, by mode.
TEST_P(Dashboard, ChoosingAClientWritesTheContextInOrder) {
  using W = host::ContextWrite;
  const std::vector<W> common = {
      {"ClientCtx", "vT_Code_No", "F1"}, {"Base", "STATUSR", "FIRM"},      {"Base", "vLstSelClCode", "F1"},
      {"Base", "vChkCode", "F1"},        {"Base", "vChkYr", "0"},          {"ReturnCtx", "vMRR", "False"},
      {"ReturnCtx", "vMRR", "True"},     {"ReturnCtx", "vPDT", "False"},   {"ClientCtx", "vT_Year", "2016"},
      {"ReturnCtx", "Vt_ASS_YEAR", "2016-17"}};
  struct Case {
    int mode;
    std::vector<W> after;
    std::string opened;
  } cases[] = {
      {1, {{"ReturnCtx", "vITname", "Ganga & Co."}, {"ReturnCtx", "vT_StaT", "FIRM"}, {"Base", "TSTATUS", "2"}}, "subform"},
      {2, {{"Base", "Temp_Code", "F1"}}, "ObjChallan"},
      {6, {}, "frmpannewapp"},
      {7, {}, "frmpanchapp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    income_->OpenForm(c.mode);
    (*income_)["cbocompAY"].selectText("2016-17");
    host().journal().clear();
    host().journal().recording = true;
    choose("F1");
    host().journal().recording = false;
    std::vector<W> expected = common;
    expected.insert(expected.end(), c.after.begin(), c.after.end());
    const auto& writes = host().journal().writes();
    ASSERT_GE(writes.size(), expected.size());
    EXPECT_EQ(std::vector<W>(writes.begin(), writes.begin() + static_cast<long>(expected.size())), expected);
    // In mode 1 the workspace then loads and writes its own part of the
    // context, the client's own data set in use first.
    if (c.mode == 1) {
      ASSERT_GE(writes.size(), expected.size() + 3);
      const auto first = writes.begin() + static_cast<long>(expected.size());
      EXPECT_EQ(std::vector<W>(first, first + 3),
                (std::vector<W>{{"Base", "ObjSubForm", "subform"}, {"ClientCtx", "vt_RTFlag", ""},
                                {"ClientCtx", "vt_RTCode_No", "F1"}}));
    } else {
      EXPECT_EQ(writes.size(), expected.size());
    }
    ASSERT_NE(host().desktop().active(), nullptr);
    EXPECT_EQ(host().desktop().active()->name(), c.opened);
    host().desktop().close(*host().desktop().active());
  }
  EXPECT_TRUE(std::filesystem::is_directory(app().data().documents() / "ITData" / "F1"));
}

TEST_P(Dashboard, ARefusedOrIncompleteChoiceWritesNothing) {
  app().users().setClientPassword("P1", "secret");
  income_->OpenForm(1);
  host().journal().recording = true;
  signed_.dialogs->type(std::string("wrong"));
  choose("P1");
  conn().execute("UPDATE tempcltbl SET stat = '' WHERE codeno = 'K1'");
  host::markClientListChanged(conn());  // as every writer of the list does
  income_->reloadClients();
  choose("K1");
  EXPECT_TRUE(host().journal().writes().empty());
  EXPECT_EQ(host().desktop().active(), nullptr);
}

TEST_P(Dashboard, CreditTransferMovesOnceAndKeepsOtherClients) {
  conn().execute("INSERT INTO mat_taxcredit (code_no, ass_year, taxnormal, tax115jb, creditutil) VALUES ('F1', 2008, 100, 300, 0)");
  conn().execute("INSERT INTO mat_taxcredit (code_no, ass_year, taxnormal, tax115jb, creditutil) VALUES ('F1^R-1', 2009, 50, 90, 10)");
  conn().execute("INSERT INTO mat_taxcredit (code_no, ass_year, taxnormal, tax115jb, creditutil) VALUES ('F10', 2009, 1, 2, 3)");
  conn().execute("INSERT INTO taxcr115jbc1 (code_no, ass_year, taxnormal, taxmatamt, creditutil) VALUES ('F1', 2009, 7, 7, 7)");
  ASSERT_TRUE(transferCredits(conn(), "F1"));
  // 2009 already had a row in the current table: only 2008 moves, as the
  // year's own row (carried_into 0); the source goes.
  EXPECT_EQ(database().dump("taxcr115jbc1"), (std::vector<std::string>{"F1|2008|100|300|0|B|0|", "F1|2009|7|7|7||0|"}));
  EXPECT_EQ(database().dump("mat_taxcredit"), (std::vector<std::string>{"F10|2009|1|2|3|"}));
  ASSERT_TRUE(transferCredits(conn(), "F1"));
  EXPECT_EQ(database().dump("taxcr115jbc1").size(), 2u) << "the second run finds nothing to move";

  conn().execute("INSERT INTO mattaxjc (code_no, ass_year, taxnormal, tax115jc, creditutil) VALUES ('P1^A-2', 2014, 5, 6, 0)");
  ASSERT_TRUE(transferCredits(conn(), "P1"));
  EXPECT_EQ(conn().scalar("SELECT marker FROM taxcr115jbc1 WHERE code_no = 'P1^A-2'"), "C");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM mattaxjc"), "0");
}

TEST(SummaryCondition, TextByHeadOperatorsAndJoin) {
  struct Case {
    int head, op1;
    const char* v1;
    int op2;
    const char* v2;
    bool useOr;
    const char* text;
  } cases[] = {
      {1, 1, "500000", 0, "", false, "adv_n.a1 > 500000"},
      {1, 1, "500000", 2, "900000", true, "adv_n.a1 > 500000 or adv_n.a1 < 900000"},
      {9, 3, "100", 4, "200", false, "adv_n.a9 >= 100 and adv_n.a9 <= 200"},
      {19, 5, "0", 6, "5", false, "adv_n.a19 = 0 and adv_n.a19 <> 5"},
      {3, 6, "10", 1, "abc", true, "adv_n.a3 <> 10"},
      {2, 5, "1,00,000.50", 0, "", false, "adv_n.a2 = 100000.50"},
  };
  for (const auto& c : cases) {
    auto cond = summaryCondition(c.head, c.op1, c.v1, c.op2, c.v2, c.useOr);
    ASSERT_TRUE(cond) << c.text;
    EXPECT_EQ(cond->text, c.text);
  }
  EXPECT_FALSE(summaryCondition(0, 1, "5", 0, "", false)) << "[ALL] filters nothing";
  EXPECT_FALSE(summaryCondition(2, 0, "5", 0, "", false)) << "(Select) filters nothing";
  EXPECT_FALSE(summaryCondition(2, 1, "", 0, "", false));
}

TEST_P(Dashboard, SummariesFilterAndPrint) {
  for (auto [code, year, salary] : {std::tuple{"P1", "2015", 600000}, {"P2", "2015", 100000}, {"F1", "2015", 0},
                                    {"P1", "2014", 400000}})
    conn().execute("INSERT INTO adv_n (code_no, assyear, a1, a9, a20) VALUES (?, ?, ?, ?, ?)",
                   {code, year, salary, salary, 11});
  income_->OpenForm(4);
  auto& f = *income_;
  f["cbosummrepAY"].selectText("2015-16");
  ui::Event show{"cmdshow", ui::EventType::click};
  f.dispatch(show);
  ui::Grid& g = f.grid("vsfsummary");
  ASSERT_EQ(g.rowCount(), 3);
  EXPECT_EQ(g.titles.size(), 22u);
  EXPECT_EQ(g.textMatrix(0, 1), "Asha Rao") << "ordered by name";
  EXPECT_EQ(g.textMatrix(0, 21), "11") << "a20 shows under Tax Refundable";

  f["Combo1"].selectText("Salary");
  f["Combo2"].selectIndex(1);
  f["Text2"].text = "50000";
  f["Combo3"].selectIndex(2);
  f["Text3"].text = "500000";
  f["Option1"].value = 0;  // and
  f.dispatch(show);
  ASSERT_EQ(g.rowCount(), 1);
  EXPECT_EQ(g.textMatrix(0, 0), "P2");

  f["Text2"].text = "9000000";
  f.dispatch(show);
  EXPECT_EQ(g.rowCount(), 0);
  EXPECT_EQ(signed_.dialogs->texts().back(), "No records to display.");
  ui::Event all{"Command1", ui::EventType::click};
  f.dispatch(all);
  EXPECT_EQ(signed_.dialogs->texts().back(), "Please select a Client");

  f["Combo1"].selectIndex(0);
  f.dispatch(show);
  g.selectedRow = 0;  // Asha Rao
  f.dispatch(all);
  ASSERT_EQ(g.rowCount(), 2);
  EXPECT_EQ(g.textMatrix(0, 1), "2014-15");
  ui::Event print{"cmdprev", ui::EventType::click};
  f.dispatch(print);
  ASSERT_EQ(host().desktop().pendingPreviews.size(), 1u);
  const suite::FinishedReport* r = signed_.session->report(host().desktop().pendingPreviews.front());
  ASSERT_NE(r, nullptr);
  EXPECT_NE(r->pagesHtml.find("Summarized Computation of Asha Rao"), std::string::npos);
}

MERIDIAN_ON_BOTH_ENGINES(Dashboard);

}  // namespace
}  // namespace meridian::reg
