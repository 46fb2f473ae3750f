// The workspace's guards and checks, each stopping with its exact words: the
// return-state guard with the lock, the return and e-return buttons in their
// order, and the computation button's system-date warning.
#include <gtest/gtest.h>

#include "register/workspace_fixture.h"

namespace meridian::reg::testing {
namespace {

using returns::RegisterEntry;
using ui::Answer;

const char* kLongOriginal =
    "Original Return has already been filed. Data of Original Return Filed earlier could not be retrieved if you make "
    "any changes.\n\nDo you still want to make changes?";
const char* kLongRevised =
    "Revised Return has already been filed. Data of Revised Return Filed earlier could not be retrieved if you make any "
    "changes.\n\nDo you still want to make changes?";

class WorkspaceGuards : public WorkspaceTest {
 protected:
  void withRegister(const std::vector<RegisterEntry>& rows) {
    conn().execute("DELETE FROM nrevordr");
    for (const auto& e : rows) returns::insertEntry(conn(), e);
  }
  // A clerk who may use the module but not unlock filed returns, in place of the partner.
  void signInClerk() {
    ws_.reset();
    s_ = {};
    app().users().add("clerk", "password-of-clerk", false);
    app().users().grant("clerk", 100);
    s_ = signIn(app().users().find("clerk").value());
  }
};

TEST_P(WorkspaceGuards, TheReturnStateGuardStopsWithItsWords) {
  struct Case {
    const char* name;
    std::vector<RegisterEntry> rows;
    int select;
    bool clerk;
    std::vector<Answer> answers;
    std::vector<std::string> texts;
    bool goesOn;
    const char* lockAfter;
  } cases[] = {
      {"an original not filed", {entry(2016, 1, "R", "N", "")}, 0, false, {}, {}, true, "Y"},
      {"the last return filed, declined", {entry(2016, 1, "R", "N", "25/07/2016")}, 0, false, {Answer::no},
       {kLongOriginal}, false, "Y"},
      {"the last return filed, unlocked by the partner", {entry(2016, 1, "R", "N", "25/07/2016")}, 0, false,
       {Answer::yes}, {kLongOriginal}, true, "N"},
      {"an earlier return filed", {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "R", "Y", "")}, 0, false, {},
       {"Return has already been filed."}, false, "Y"},
      {"an earlier rectification filed",
       {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "Z", "Y", "01/03/2017"), entry(2016, 3, "Z", "Y", "")}, 1,
       false, {}, {"Rectification Return has already been filed."}, false, "Y"},
      {"the last revision filed, a clerk without the unlock right",
       {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "R", "Y", "10/01/2017")}, 1, true, {Answer::yes},
       {kLongRevised, "You do not have the right for this work (right 121)."}, false, "Y"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.clerk) signInClerk();
    withRegister(c.rows);
    open("F1", 2016);
    if (c.select != ws_->returnRegister().selected()) raise(*ws_, "vsRevOrd", ui::EventType::rowColChange, c.select);
    const size_t m = mark();
    for (auto a : c.answers) dialogs().answer(a);
    const auto before = registerRows();
    EXPECT_EQ(ws_->CheckReturn(), c.goesOn);
    EXPECT_EQ(textsSince(m), c.texts);
    EXPECT_EQ(ws_->lockTag(), c.lockAfter);
    EXPECT_EQ(registerRows(), before);
    host().desktop().close(*ws_);
  }
}

TEST_P(WorkspaceGuards, UnlockedOnceTheLastFiledReturnOnlyAsksAgain) {
  withRegister({entry(2016, 1, "R", "N", "25/07/2016")});
  open("F1", 2016);
  EXPECT_EQ((*ws_)["imLocked"].caption, "Locked");
  click("imLocked");
  EXPECT_EQ(ws_->lockTag(), "N");
  EXPECT_EQ((*ws_)["imLocked"].caption, "Unlocked");
  const size_t m = mark();
  dialogs().answer(Answer::yes);
  EXPECT_TRUE(ws_->CheckReturn());
  EXPECT_EQ(textsSince(m), (std::vector<std::string>{kLongOriginal}));
  raise(*ws_, "CmbasYr", ui::EventType::change);  // the same year again: nothing changes
  choose("CmbasYr", "2015-16");
  choose("CmbasYr", "2016-17");
  EXPECT_EQ(ws_->lockTag(), "Y") << "each year opens locked";
}

TEST_P(WorkspaceGuards, TheReturnAndEReturnButtonsCheckInTheirOrder) {
  struct Case {
    const char* name;
    int year;
    std::vector<RegisterEntry> rows;
    int select;
    const char* form;
    bool eFile;
    bool inProcess;
    std::vector<Answer> answers;
    std::vector<std::string> texts;
  } cases[] = {
      {"a run in progress", 2016, {entry(2016, 1, "R", "N", "")}, 0, "ITR-5", false, true, {},
       {"A computation, return or e-file run is still in progress."}},
      {"an order", 2016, {entry(2016, 1, "R", "N", "25/07/2016"), entry(2016, 2, "A", "N", "", 2)}, 1, "ITR-5", false,
       false, {}, {"Not available in case of Order."}},
      {"no form chosen", 2016, {entry(2016, 1, "R", "N", "")}, 0, "", true, false, {}, {"Please Select a Return Form."}},
      {"the forms of 2017-18", 2017, {entry(2017, 1, "R", "N", "")}, 0, "ITR-5", false, false, {},
       {"ITR Forms for A.Y. 2017-18 have not been notified yet."}},
      {"the e-filing of 2017-18", 2017, {entry(2017, 1, "R", "N", "")}, 0, "ITR-5", true, false, {},
       {"E-Filing Rules for A.Y. 2017-18 have not been notified yet."}},
      {"a filed return, declined", 2016, {entry(2016, 1, "R", "N", "25/07/2016")}, 0, "ITR-5", false, false,
       {Answer::no}, {"Do you really want to Generate Form for the Return Filed earlier ?"}},
      {"a filed return's e-file, declined", 2016, {entry(2016, 1, "R", "N", "25/07/2016")}, 0, "ITR-5", true, false,
       {Answer::no}, {"Do you really want to Generate e-File for the Return Filed earlier?"}},
      {"a revised return without the original's acknowledgement", 2016,
       {{"F1", 2016, 1, "R", "N", "25/07/2016", ""}, entry(2016, 2, "R", "Y", "")}, 1, "ITR-5", true, false, {},
       {"In case of Revised Return, Please Enter Acknowledgement Receipt No. of Filing of Original Return."}},
      {"a revised return without the original's filing date", 2016,
       {{"F1", 2016, 1, "R", "N", "", "111"}, entry(2016, 2, "R", "Y", "")}, 1, "ITR-5", true, false, {},
       {"In case of Revised Return, Please Enter Date of Filing of Original Return."}},
      {"every check passed", 2016, {entry(2016, 1, "R", "N", "")}, 0, "ITR-5", true, false, {},
       {"The e-Return Filing screen is not part of this installation yet."}},
      {"an earlier year the engine does not compute", 2012, {entry(2012, 1, "R", "N", "")}, 0, "ITR-5", false, false, {},
       {"The year could not be computed, so no return was produced: The computation engine does not compute A.Y. "
        "2012-13."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    withRegister(c.rows);
    open("F1", c.year);
    if (c.select != ws_->returnRegister().selected()) raise(*ws_, "vsRevOrd", ui::EventType::rowColChange, c.select);
    (*ws_)["cborets"].selectText(c.form);
    host().base().vFlagInProcess = c.inProcess;
    const size_t m = mark();
    for (auto a : c.answers) dialogs().answer(a);
    click(c.eFile ? "cmdefl" : "cmdret");
    EXPECT_EQ(textsSince(m), c.texts);
    EXPECT_EQ(host().base().vFlagInProcess.get(), c.inProcess) << "a run clears its flag however it ends";
    EXPECT_EQ(&top(), ws_.get());
    host().base().vFlagInProcess = false;
    host().desktop().close(*ws_);
  }
}

TEST_P(WorkspaceGuards, TheComputationWarnsOfAWrongSystemDateAndGoesOn) {
  open("F1", 2016);
  struct Case {
    CivilDate today;
    std::vector<std::string> texts;
  } cases[] = {
      {CivilDate{std::chrono::year{2017}, std::chrono::January, std::chrono::day{1}},
       {"Your System Date is 01 January 2017. Which is wrong for Calculation under Section 234A & 234B.",
        "The Computation screen is not part of this installation yet."}},
      {CivilDate{std::chrono::year{2017}, std::chrono::February, std::chrono::day{24}},
       {"The Computation screen is not part of this installation yet."}},
  };
  for (const auto& c : cases) {
    ws_->today = [d = c.today] { return d; };
    const size_t m = mark();
    click("cmdcomp");
    EXPECT_EQ(textsSince(m), c.texts);
    EXPECT_FALSE(host().base().vFlagInProcess.get());
  }
}

MERIDIAN_ON_BOTH_ENGINES(WorkspaceGuards);

}  // namespace
}  // namespace meridian::reg::testing
