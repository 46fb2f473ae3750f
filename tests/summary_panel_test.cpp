#include <gtest/gtest.h>

#include <thread>

#include "host/client_selection.h"
#include "register/income_form.h"
#include "register/summary_panel.h"
#include "suite/client_list_table.h"
#include "suite/report_preview.h"
#include "support/pdf_text.h"
#include "support/session_fixture.h"

namespace meridian::reg {
namespace {

TEST(SummaryFilterRefusal, AConditionNeedsItsAmount) {
  struct Case {
    const char* name;
    int head, op1;
    const char* v1;
    int op2;
    const char* v2;
    const char* message;  // "" when the filter may be used
    const char* control;
  } cases[] = {
      {"no head: no filter", 0, 1, "", 0, "", "", ""},
      {"head without condition: no filter", 3, 0, "", 0, "", "", ""},
      {"head, condition and amount", 1, 1, "500000", 0, "", "", ""},
      {"head and condition, no amount", 1, 1, "", 0, "", "Please enter the amount Salary is to be compared with.", "Text2"},
      {"amount that is no number", 13, 2, "ten", 0, "", "Please enter the amount Tax Payable is to be compared with.", "Text2"},
      {"second condition without its amount", 9, 3, "100", 4, " ",
       "Please enter the amount Total Income is to be compared with.", "Text3"},
      {"second amount without its condition: ignored", 9, 3, "100", 0, "", "", ""},
      {"second condition without the first", 2, 0, "", 5, "7", "Please select the condition for House Property.", "Combo2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto refusal = summaryFilterRefusal(c.head, c.op1, c.v1, c.op2, c.v2);
    if (!*c.message) {
      EXPECT_FALSE(refusal);
      continue;
    }
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, c.message);
    EXPECT_EQ(refusal->control, c.control);
  }
}

class Summary : public testsupport::SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('F1', 'GANGA AND COMPANY', 'FIRM')");
    conn().execute("INSERT INTO owner1 (code, code_no, f_nm, l_nm) VALUES ('P1', '', 'ASHA', 'RAO')");
    conn().execute("INSERT INTO owner1 (code, code_no, f_nm, l_nm) VALUES ('P2', '', 'RAVI', 'IYER')");
    conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G1', 'RAO FAMILY')");
    conn().execute("INSERT INTO grp_trans (code_no, c_code) VALUES ('G1', 'P1')");
    for (const char* code : {"F1", "P1", "P2"}) {
      db::Params p = {code, std::string("2015")};
      for (int a = 1; a <= 20; ++a) p.emplace_back(static_cast<long long>(a) * 100000 + 1);
      conn().execute("INSERT INTO adv_n (code_no, assyear, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, "
                     "a15, a16, a17, a18, a19, a20) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     p);
    }
    conn().execute("UPDATE adv_n SET a13 = 12345678 WHERE code_no = 'P2'");
    suite::rebuildClientList(conn());
  }
  struct Opened {
    Signed s;
    std::shared_ptr<IncomeForm> income;
    ui::Form& f() { return *income; }
    void click(const char* control) {
      ui::Event e{control, ui::EventType::click};
      income->dispatch(e);
    }
  };
  Opened summaries() {
    Opened o{signIn(makeUser("clerk" + std::to_string(++users_))), nullptr};
    o.income = std::dynamic_pointer_cast<IncomeForm>(o.s.session->forms().ObjIncome());
    o.income->OpenForm(4);
    o.f()["cbosummrepAY"].selectText("2015-16");
    return o;
  }

 private:
  int users_ = 0;
};

TEST_P(Summary, ThePrintedSummaryHasEveryColumnWhole) {
  app().reportWriters = suite::standardReportWriters();
  auto o = summaries();
  o.click("cmdshow");
  ASSERT_EQ(o.f().grid("vsfsummary").rowCount(), 3);
  o.click("cmdprev");
  auto& previews = o.s.session->desktop().pendingPreviews;
  ASSERT_EQ(previews.size(), 1u);
  const suite::FinishedReport* report = o.s.session->report(previews.front());
  ASSERT_NE(report, nullptr);
  const std::string text = testsupport::pdfText(report->pdf());
  EXPECT_NE(text.find("Summarized Details for the Assessment Year 2015-16"), std::string::npos);
  // Each heading whole, on one line: none is cut short or wrapped.
  for (const auto& title : summaryGridTitles()) EXPECT_NE(text.find(title), std::string::npos) << title;
  // The last figure of a row, and a figure far to the right of its line.
  EXPECT_NE(text.find("20,00,001"), std::string::npos) << text;
  EXPECT_NE(text.find("1,23,45,678"), std::string::npos) << text;
  EXPECT_NE(text.find("RAVI IYER"), std::string::npos);
}

TEST_P(Summary, ScratchRowsOfOneSessionNeverReachAnother) {
  // Rows another user's summary left in the scratch table.
  conn().execute("INSERT INTO temp_disp (session_key, code_no, name) VALUES ('someone-else', 'P2', 'RAVI IYER')");
  auto o = summaries();
  o.f()["cbogroup"].selectText("RAO FAMILY");
  o.click("cmdshow");
  ui::Grid& g = o.f().grid("vsfsummary");
  ASSERT_EQ(g.rowCount(), 1);
  EXPECT_EQ(g.textMatrix(0, 0), "P1");
  EXPECT_EQ(database().dump("temp_disp"), std::vector<std::string>{"P2|RAVI IYER||someone-else|"})
      << "the other session's rows stay; this session's are gone with the step";
}

TEST_P(Summary, TwoUsersShowingSummariesAtOnceEachSeeTheirOwn) {
  auto family = summaries();
  auto everyone = summaries();
  family.f()["cbogroup"].selectText("RAO FAMILY");
  std::vector<std::string> failures;
  std::mutex failed;
  auto run = [&](Opened& o, int expected) {
    for (int i = 0; i < 25; ++i) {
      o.click("cmdshow");
      const int rows = o.f().grid("vsfsummary").rowCount();
      if (rows != expected) {
        std::lock_guard lock(failed);
        failures.push_back(std::to_string(rows) + " rows instead of " + std::to_string(expected));
      }
    }
  };
  std::thread a([&] { run(family, 1); });
  std::thread b([&] { run(everyone, 3); });
  a.join();
  b.join();
  EXPECT_TRUE(failures.empty()) << failures.front();
}

// A user's Client List Selection narrows their summaries as it narrows their
// client list, and the screen names it; another user's summary stays whole.
TEST_P(Summary, AUsersClientListSelectionNarrowsTheirSummaryAlone) {
  struct Case {
    const char* why;
    host::ClientSelection selection;
    std::vector<std::string> codes;
    const char* line;  // "" when no selection line shows
  } cases[] = {
      {"no selection", {}, {"P1", "F1", "P2"}, ""},
      {"by status", {"FIRM", ""}, {"F1"}, "Client List Selection : Status FIRM (only these clients are summarised)"},
      {"by group", {"", "RAO FAMILY"}, {"P1"},
       "Client List Selection : Group RAO FAMILY (only these clients are summarised)"},
      {"a selection nobody answers", {"HUF", ""}, {}, "Client List Selection : Status HUF (only these clients are summarised)"},
  };
  auto other = summaries();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto o = summaries();
    host::saveSelection(o.s.session->component().base(), "IT", c.selection);
    o.click("cmdshow");
    ui::Grid& g = o.f().grid("vsfsummary");
    std::vector<std::string> codes;
    for (int r = 0; r < g.rowCount(); ++r) codes.push_back(g.textMatrix(r, 0));
    EXPECT_EQ(codes, c.codes);
    EXPECT_EQ(o.f()["lblSumSelection"].visible, *c.line != '\0');
    EXPECT_EQ(o.f()["lblSumSelection"].caption, c.line);
    other.click("cmdshow");
    EXPECT_EQ(other.f().grid("vsfsummary").rowCount(), 3) << "another user's summary is the whole practice's";
  }
}

// The screen opens on the year the user works in, else on the latest year
// with figures for a client of their list (never a year of rows whose client
// is in no master), else on the list's own default.
TEST_P(Summary, OpensOnTheWorkingYearOrTheLatestYearOfTheUsersList) {
  conn().execute("DELETE FROM adv_n WHERE code_no = 'F1'");
  conn().execute("INSERT INTO adv_n (code_no, assyear) VALUES ('F1', '2013')");
  conn().execute("INSERT INTO adv_n (code_no, assyear) VALUES ('X9', '2016')");
  struct Case {
    const char* why;
    host::ClientSelection selection;
    int workingYear;
    const char* opensOn;
  } cases[] = {
      {"the latest year of the practice's clients", {}, 0, "2015-16"},
      {"the latest year of the firms selected", {"FIRM", ""}, 0, "2013-14"},
      {"the working year", {"FIRM", ""}, 2014, "2014-15"},
      {"no client selected has figures", {"HUF", ""}, 0, "2016-17"},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Signed s = signIn(makeUser("opener" + std::to_string(++n)));
    host::saveSelection(s.session->component().base(), "IT", c.selection);
    s.session->component().clientCtx().vT_Year = c.workingYear;
    auto income = std::dynamic_pointer_cast<IncomeForm>(s.session->forms().ObjIncome());
    income->OpenForm(4);
    EXPECT_EQ((*income)["cbosummrepAY"].text, c.opensOn);
  }
}

MERIDIAN_ON_BOTH_ENGINES(Summary);

}  // namespace
}  // namespace meridian::reg
