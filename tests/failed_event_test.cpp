// A step that fails where its screen did not expect it (the database refuses
// a write) is told to the user with a reference the log carries too; nothing
// of it is written and the screen goes on working.
#include <gtest/gtest.h>

#include "register/income_form.h"
#include "suite/client_register.h"
#include "common/rights.h"
#include "support/client_seed.h"
#include "support/http_fixture.h"
#include "support/log_capture.h"
#include "support/session_fixture.h"
#include "ui/failure.h"

namespace meridian {
namespace {

using testsupport::SessionTest;

// Makes the database refuse every new row of a table, as a full disk would.
void refuseInserts(db::Connection& conn, const std::string& table) {
  if (conn.engine() == db::Engine::sqlite)
    conn.execute("CREATE TRIGGER refuse_" + table + " BEFORE INSERT ON " + table +
                 " BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
  else
    conn.execute("CREATE TRIGGER refuse_" + table + " BEFORE INSERT ON " + table +
                 " FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'refused by the test'");
}

std::string referenceIn(const std::string& text) {
  const auto at = text.find("Reference: E-");
  return at == std::string::npos ? "" : text.substr(at + 11, 8);
}

class FailedEvent : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
    s_ = signIn(makeUser("clerk"));
  }
  host::Component& comp() { return s_.session->component(); }
  static bool click(ui::Form& f, const std::string& control) {
    ui::Event e;
    e.control = control;
    e.type = ui::EventType::click;
    return f.dispatch(e);
  }
  Signed s_;
};

TEST_P(FailedEvent, ASaveTheDatabaseRefusesHalfWayIsToldAndWritesNothing) {
  testsupport::LogCapture log;
  auto form = comp().open("frmclreg", {.code = ""});
  ASSERT_TRUE(form);
  (*form)["cbostatus"].selectText("HUF");
  ui::Event change;
  change.control = "cbostatus";
  change.type = ui::EventType::change;
  form->dispatch(change);
  (*form)["txtnm"].text = "RAVI KUMAR (HUF)";
  // The client's own row goes in; the list's row after it is refused.
  refuseInserts(conn(), "tempcltbl");
  const auto before = testsupport::snapshot(database());
  s_.dialogs->clear();

  EXPECT_FALSE(click(*form, "cmdsave"));

  ASSERT_EQ(s_.dialogs->shown().size(), 1u);
  const auto& told = s_.dialogs->shown().front().message;
  EXPECT_EQ(told.icon, ui::Icon::critical);
  EXPECT_NE(told.text.find(", so this step was stopped and its changes were not saved. The screen is still usable."),
            std::string::npos)
      << told.text;
  EXPECT_EQ(told.text.find("refused by the test"), std::string::npos) << "the database's own words reach the user";
  const std::string ref = referenceIn(told.text);
  ASSERT_EQ(ref.size(), 8u) << told.text;
  const std::string logged = log.text();
  const auto line = logged.find("[" + ref + "]");
  ASSERT_NE(line, std::string::npos) << logged;
  EXPECT_NE(logged.find("click of cmdsave failed", line), std::string::npos) << logged;
  EXPECT_NE(logged.find("refused by the test", line), std::string::npos) << logged;
  EXPECT_EQ(testsupport::snapshot(database()), before);
  // The screen is still there and saves once the database takes rows again.
  EXPECT_EQ(s_.session->desktop().active(), form.get());
  conn().execute("DROP TRIGGER refuse_tempcltbl");
  s_.dialogs->clear();
  EXPECT_TRUE(click(*form, "cmdsave"));
  EXPECT_TRUE(s_.dialogs->shown().empty()) << s_.dialogs->texts().front();
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM main_info1 WHERE nm = 'RAVI KUMAR (HUF)'"), "1");
}

TEST_P(FailedEvent, TheLogNamesTheStatementButNotTheValuesItRefused) {
  conn().execute("INSERT INTO grp_m (code, nm) VALUES (?, ?)", {"SECRET-CODE-42", "x"});
  try {
    conn().execute("INSERT INTO grp_m (code, nm) VALUES (?, ?)", {"SECRET-CODE-42", "y"});
    FAIL() << "a second row with the same key went in";
  } catch (const db::DbError& e) {
    EXPECT_EQ(e.kind(), db::DbFailure::conflict);
    const std::string text = e.what();
    EXPECT_EQ(text.find("SECRET-CODE-42"), std::string::npos) << text;
    EXPECT_NE(text.find("INSERT INTO grp_m"), std::string::npos) << text;
    EXPECT_EQ(ui::failureSentence(e).rfind("The database refused the change: it conflicts with a record already saved", 0),
              0u);
  }
}

MERIDIAN_ON_BOTH_ENGINES(FailedEvent);

// A screen whose load fails.
class BrokenForm : public ui::Form {
 public:
  BrokenForm() : ui::Form("frmbroken", "Broken") {}
  void load() override { throw db::DbError("no such table: broken", db::DbFailure::other); }
};

TEST(FailedLoad, AScreenWhoseLoadFailsLeavesTheDesktopAndIsTold) {
  ui::ScriptedDialogs dialogs;
  ui::Desktop desktop(dialogs);
  auto under = std::make_shared<ui::Form>("frmunder", "Under");
  desktop.show(under);
  EXPECT_THROW(desktop.show(std::make_shared<BrokenForm>()), ui::AlreadyTold);
  EXPECT_EQ(desktop.forms().size(), 1u);
  EXPECT_EQ(desktop.active(), under.get());
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown().front().message.icon, ui::Icon::critical);
  EXPECT_NE(dialogs.texts().front().find("Reference: E-"), std::string::npos);
  // A handler that opened it ends quietly: the user was told once.
  under->on("cmdopen", ui::EventType::click, [&](ui::Event&) { desktop.show(std::make_shared<BrokenForm>()); });
  ui::Event e;
  e.control = "cmdopen";
  EXPECT_FALSE(under->dispatch(e));
  EXPECT_EQ(dialogs.shown().size(), 2u);
}

class FailedOpenOverHttp : public testsupport::HttpTest {};

TEST_P(FailedOpenOverHttp, TheBrowserGetsTheMessageAndTheDesktopStaysAsItWas) {
  userWith("clerk", {rights::useIncomeTax});
  const auto clerk = signIn("clerk", "password-of-clerk");
  conn().execute("DROP TABLE tempcltbl");
  auto reply = body(postJson("/open", {{"what", "income"}, {"mode", 1}}, clerk));
  ASSERT_EQ(reply["state"], "dialog");
  EXPECT_EQ(reply["dialog"]["icon"], "critical");
  const std::string text = reply["dialog"]["text"];
  EXPECT_EQ(referenceIn(text).size(), 8u) << text;
  EXPECT_EQ(text.find("tempcltbl"), std::string::npos) << text;
  reply = body(postJson("/dialog", {{"id", reply["dialog"]["id"]}, {"answer", "ok"}}, clerk));
  EXPECT_EQ(reply["state"], "done");
  EXPECT_EQ(reply["form"], "") << "a screen that failed to open stays off the desktop";
}

MERIDIAN_ON_BOTH_ENGINES(FailedOpenOverHttp);

}  // namespace
}  // namespace meridian
