// The register's refusals and guards: each stops with its exact words and
// leaves the register as it was.
#include <gtest/gtest.h>

#include "returns/register_fixture.h"

namespace meridian::returns::testing {
namespace {

using ui::Answer;

class RegisterGuards : public RegisterTest {
 protected:
  void setDueDates(int year, const std::string& due, const std::string& extended) {
    conn().execute("UPDATE duedt_master SET duedt = ?, revduedt = ? WHERE assyear = ?", {due, extended, year});
  }
};

enum class Action { revise, rectify, order, remove };

TEST_P(RegisterGuards, RefusalsStopWithTheirWordsAndChangeNothing) {
  const std::string longOriginal =
      "Original Return has already been filed. Data of Original Return Filed earlier could not be retrieved if you make "
      "any changes.\n\nDo you still want to make changes?";
  const std::string revise = "Do you want to Revise the Return?";
  struct Case {
    const char* name;
    int year;
    std::vector<RegisterEntry> rows;
    int select;
    Action action;
    std::vector<Answer> answers;
    std::vector<std::string> texts;
    std::vector<std::string> opened;
  };
  const Case cases[] = {
      {"the original is never deleted", 2016, {entry(2016, 1, "R", "N", "")}, 0, Action::remove, {},
       {"You can not Delete Original Return."}},
      {"only the last entry is deleted", 2016,
       {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "R", "Y", "10/01/2017"), entry(2016, 3, "R", "N", "")}, 1,
       Action::remove, {}, {"You can Delete Only Last Revised Return or Rectification Request or Order."}},
      {"no revision after a rectification", 2016,
       {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "Z", "Y", "01/03/2017")}, 1, Action::revise, {Answer::yes},
       {"Rectification Return has already been filed. Data of Rectification Return Filed earlier could not be retrieved "
        "if you make any changes.\n\nDo you still want to make changes?",
        "Return can not be revised after processing any Rectification Request."}},
      {"no revision after an order", 2016, {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "A", "N", "", 2)}, 1,
       Action::revise, {}, {"Return can not be revised after processing any Order."}},
      {"no rectification after an order", 2016,
       {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "A", "N", "", 1)}, 1, Action::rectify, {},
       {"Rectification of Return is not available after processing any order."}},
      {"an earlier filed original", 2016, {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "R", "Y", "10/01/2017")},
       0, Action::revise, {}, {"Return has already been filed."}},
      {"an earlier filed revision", 2016,
       {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "R", "Y", "10/01/2017"), entry(2016, 3, "R", "N", "")}, 1,
       Action::revise, {}, {"Revised Return has already been filed."}},
      {"the last filed return, answered No", 2016, {entry(2016, 1, "R", "N", "25/07/2016")}, 0, Action::revise,
       {Answer::no}, {longOriginal}},
      {"the revision asked, answered No", 2016, {entry(2016, 1, "R", "N", "25/07/2016")}, 0, Action::revise,
       {Answer::yes, Answer::no}, {longOriginal, revise}},
      {"filed after the due date, answered No", 2016, {entry(2016, 1, "R", "N", "15/12/2016")}, 0, Action::revise,
       {Answer::yes, Answer::yes, Answer::no},
       {longOriginal, revise,
        "Return filed on 15/12/2016 which is after the Due Date 30/09/2016. Return filed after due date can not be "
        "revised. Do you want to Revise the Return?"}},
      {"no revise option picked", 2016, {entry(2016, 1, "R", "N", "25/07/2016")}, 0, Action::revise,
       {Answer::yes, Answer::yes}, {longOriginal, revise, "Please select appropriate option to Revise the Return."},
       {"revise"}},
      {"an order needs the filed return first", 2016, {entry(2016, 1, "R", "N", "")}, 0, Action::order, {},
       {"Please furnish details of previously filed Return."}, {"return 1"}},
  };
  setDueDates(2016, "30/09/2016", "");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    conn().execute("DELETE FROM nrevordr");
    for (const auto& e : c.rows) insertEntry(conn(), e);
    enterYear(c.year);
    ui::ScriptedDialogs answers(c.answers);
    ReturnRegister reg(host(), answers);
    ScriptedEntryForms forms(host(), answers);
    forms.filing = {0};  // the return completed as "Not Filed": still nothing filed
    reg.load();
    reg.switchTo(c.select);
    const auto before = registerRows();
    bool done = true;
    switch (c.action) {
      case Action::revise: done = reg.addRevision(forms); break;
      case Action::rectify: done = reg.addRectification(forms); break;
      case Action::order: done = reg.addOrder(forms); break;
      case Action::remove: done = reg.deleteLast(); break;
    }
    EXPECT_FALSE(done);
    EXPECT_EQ(answers.texts(), c.texts);
    for (const auto& shown : answers.shown())
      if (shown.message.buttons == ui::Buttons::ok) EXPECT_EQ(shown.message.icon, ui::Icon::information);
    EXPECT_EQ(forms.opened, c.opened);
    EXPECT_EQ(registerRows(), before);
  }
}

// The due date that counts is the one the Board extended; from A.Y. 2017-18
// a belated return may be revised and nothing is asked.
TEST_P(RegisterGuards, TheDueDateQuestionIsAskedOnlyForABelatedReturnBefore2017) {
  struct Case {
    int year;
    const char* filedOn;
    const char* due;
    const char* extended;
    bool asked;
  } cases[] = {
      {2016, "15/10/2016", "30/09/2016", "17/10/2016", false},
      {2016, "18/10/2016", "30/09/2016", "17/10/2016", true},
      {2016, "30/09/2016", "30/09/2016", "", false},
      {2017, "15/12/2017", "31/07/2017", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filedOn);
    setDueDates(c.year, c.due, c.extended);
    conn().execute("DELETE FROM nrevordr");
    insertEntry(conn(), entry(c.year, 1, "R", "N", c.filedOn));
    enterYear(c.year);
    ui::ScriptedDialogs answers({Answer::yes, Answer::yes, Answer::no});
    ReturnRegister reg(host(), answers);
    reg.load();
    reg.switchToLast();
    forms_->option = ReviseMode::none;
    reg.addRevision(*forms_);
    const auto texts = answers.texts();
    const bool asked = std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.rfind("Return filed on ", 0) == 0; });
    EXPECT_EQ(asked, c.asked);
  }
}

TEST_P(RegisterGuards, AFiledReturnIsChangedOnlyWithTheUnlockRight) {
  auto clerk = makeUser("clerk");
  app().users().grant("clerk", 100);
  auto s = signIn(clerk);
  host::Component& h = s.session->component();
  h.clientCtx().vT_Code_No = "F1";
  h.clientCtx().vT_Year = 2016;
  insertEntry(conn(), entry(2016, 1, "R", "N", "25/07/2016"));
  insertEntry(conn(), entry(2016, 2, "R", "Y", "10/01/2017"));
  ReturnRegister reg(h, *s.dialogs);
  reg.load();
  reg.switchToLast();
  const auto before = registerRows();
  s.dialogs->answer(Answer::yes);
  EXPECT_FALSE(reg.deleteLast());
  EXPECT_EQ(s.dialogs->texts().back(), "You do not have the right for this work (right 121).");
  EXPECT_EQ(registerRows(), before);
}

MERIDIAN_ON_BOTH_ENGINES(RegisterGuards);

}  // namespace
}  // namespace meridian::returns::testing
