#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "register/income_form.h"
#include "suite/client_list_table.h"
#include "support/session_fixture.h"

namespace meridian::reg {
namespace {

using testsupport::SessionTest;

// Two people of one practice signed in on one database, each with the
// dashboard's client list open.
class ListSelection : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('F1', 'Ganga & Co.', 'FIRM')");
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('F2', 'Yamuna Traders', 'FIRM')");
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('H1', 'Rao HUF', 'HUF')");
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('H2', 'Iyer HUF', 'HUF')");
    conn().execute("INSERT INTO grp_m (code, nm) VALUES ('G1', 'Family')");
    conn().execute("INSERT INTO grp_trans (code_no, c_code) VALUES ('G1', 'F2')");
    conn().execute("INSERT INTO grp_trans (code_no, c_code) VALUES ('G1', 'H2')");
    suite::rebuildClientList(conn());
    excluded_ = app().data().documents() / "cma_data" / "it.txt";
    std::filesystem::create_directories(excluded_.parent_path());
    std::ofstream(excluded_) << "H1\n";  // the practice leaves H1 out of everyone's list
    for (const char* name : {"clerk", "partner"}) {
      people_.push_back(signIn(makeUser(name)));
      screens_.push_back(openDashboard(people_.back()));
    }
  }
  // As the home page's "Income Tax Returns" tile opens it.
  std::shared_ptr<IncomeForm> openDashboard(Signed& person) {
    return std::dynamic_pointer_cast<IncomeForm>(person.session->component().open("income", {.mode = 1}));
  }
  std::vector<std::string> listed(size_t person) {
    ClientGrid& g = screens_[person]->clients();
    std::vector<std::string> codes;
    for (int i = 0; i < g.visibleCount(); ++i) codes.push_back(g.TextMatrix(g.grid().visibleRow(i), 0));
    std::sort(codes.begin(), codes.end());
    return codes;
  }
  const ui::Control& selectionLine(size_t person) { return (*screens_[person])["lblClSelection"]; }
  // The person clicks "Client List Selection", picks the status and group
  // (empty for "[ALL]") and clicks the button.
  void select(size_t person, const std::string& status, const std::string& group, const char* button = "cmdapply") {
    ui::Event open{"cmdClListSel", ui::EventType::click};
    screens_[person]->dispatch(open);
    ui::Form* form = people_[person].session->desktop().active();
    ASSERT_TRUE(form && form->name() == "frmClListSelection");
    (*form)["cbostatus"].selectText(status.empty() ? "[ALL]" : status);
    (*form)["cbogroup"].selectText(group.empty() ? "[ALL]" : group);
    ui::Event apply{button, ui::EventType::click};
    form->dispatch(apply);
    ASSERT_EQ(people_[person].session->desktop().active(), screens_[person].get()) << "the selection screen stayed open";
  }
  std::string practiceFile() {
    std::ifstream in(excluded_);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::filesystem::path excluded_;
  std::vector<Signed> people_;
  std::vector<std::shared_ptr<IncomeForm>> screens_;
};

using Codes = std::vector<std::string>;

TEST_P(ListSelection, OnePersonsSelectionNarrowsOnlyTheirOwnList) {
  struct Case {
    const char* what;
    std::string status, group;
    const char* button;
    Codes clerkSees;
    std::string line;
  } cases[] = {
      {"by status", "HUF", "", "cmdapply", {"H2"}, "Client List Selection : Status HUF (1 client listed;"},
      {"by group", "", "Family", "cmdapply", {"F2", "H2"}, "Client List Selection : Group Family (2 clients listed;"},
      {"by both", "FIRM", "Family", "cmdapply", {"F2"}, "Client List Selection : Status FIRM, Group Family (1 client listed;"},
      // Listing all clients again keeps the practice's exclusion of H1.
      {"all again", "HUF", "", "cmdall", {"F1", "F2", "H2"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    select(0, c.status, c.group, c.button);
    EXPECT_EQ(listed(0), c.clerkSees);
    EXPECT_EQ(selectionLine(0).visible, !std::string(c.line).empty());
    if (selectionLine(0).visible) EXPECT_EQ(selectionLine(0).caption.rfind(c.line, 0), 0u) << selectionLine(0).caption;
    // The partner's list, reloaded as a return to the dashboard does, is untouched.
    screens_[1]->OpenForm(1);
    EXPECT_EQ(listed(1), (Codes{"F1", "F2", "H2"}));
    EXPECT_FALSE(selectionLine(1).visible);
    EXPECT_EQ(practiceFile(), "H1\n") << "a user's selection wrote the practice's exclusion file";
  }
}

TEST_P(ListSelection, SelectionOutlivesTheSessionAndReopensOnIt) {
  select(0, "FIRM", "");
  people_.push_back(signIn(*app().users().find("clerk")));
  auto again = openDashboard(people_.back());
  screens_.push_back(again);
  EXPECT_EQ(listed(2), (Codes{"F1", "F2"}));
  // The selection screen opens on the selection in force.
  ui::Event open{"cmdClListSel", ui::EventType::click};
  again->dispatch(open);
  ui::Form* form = people_.back().session->desktop().active();
  ASSERT_TRUE(form && form->name() == "frmClListSelection");
  EXPECT_EQ((*form)["cbostatus"].text, "FIRM");
  EXPECT_EQ((*form)["cbogroup"].text, "[ALL]");
}

// The practice's exclusions change only on their own screen, by a user with
// right 199; a refused save leaves the file as it was.
TEST_P(ListSelection, PracticeExclusionsNeedTheAdministratorsRight) {
  auto& clerk = people_[0];
  EXPECT_EQ(clerk.session->component().open("frmClExclusions"), nullptr);
  ASSERT_FALSE(clerk.dialogs->shown().empty());
  EXPECT_EQ(clerk.dialogs->shown().back().message.text, "You do not have the right for this work (right 199).");

  Signed admin = signIn(makeUser("office-admin", true));
  auto screen = admin.session->component().open("frmClExclusions");
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ((*screen)["cbomodule"].text, "IT");
  EXPECT_EQ((*screen)["txtcodes"].text, "H1\n");
  struct Case {
    const char* typed;
    std::string fileAfter, message;
  } cases[] = {
      {"H1\r\nX9\r\n", "H1\n", "There is no client X9. Nothing was saved."},
      {"H1\n../F1\n", "H1\n", "\"../F1\" is not a client code. Nothing was saved."},
      {"  F1 \n\nH1\nF1\n", "F1\nH1\n", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const size_t before = admin.dialogs->shown().size();
    (*screen)["txtcodes"].text = c.typed;
    ui::Event save{"cmdsave", ui::EventType::click};
    screen->dispatch(save);
    EXPECT_EQ(practiceFile(), c.fileAfter);
    if (c.message.empty()) {
      EXPECT_EQ(admin.dialogs->shown().size(), before);
    } else {
      ASSERT_GT(admin.dialogs->shown().size(), before);
      EXPECT_EQ(admin.dialogs->shown().back().message.text, c.message);
    }
  }
  // Unsaved codes are not lost to Escape: Cancel stays, No leaves them unsaved.
  (*screen)["txtcodes"].text = "H2";
  admin.dialogs->answer(ui::Answer::cancel);
  screen->escape();
  EXPECT_EQ(admin.session->desktop().active(), screen.get());
  admin.dialogs->answer(ui::Answer::no);
  screen->escape();
  EXPECT_NE(admin.session->desktop().active(), screen.get());
  EXPECT_EQ(practiceFile(), "");
  screen = admin.session->component().open("frmClExclusions");
  ASSERT_NE(screen, nullptr);
  // Everyone's list follows the practice's file at its next load.
  (*screen)["txtcodes"].text = "F1";
  ui::Event save{"cmdsave", ui::EventType::click};
  screen->dispatch(save);
  screens_[1]->OpenForm(1);
  EXPECT_EQ(listed(1), (Codes{"F2", "H1", "H2"}));
}

MERIDIAN_ON_BOTH_ENGINES(ListSelection);

}  // namespace
}  // namespace meridian::reg
