// The workspace and the return screen share one list of return forms: the
// form the return screen keeps for the year is the one the workspace's
// Return Form list shows, coming back from the screen and on opening again.
#include <gtest/gtest.h>

#include "itr/return_screen.h"
#include "register/workspace_fixture.h"

namespace meridian::reg::testing {
namespace {

class WorkspaceReturnForm : public WorkspaceTest {};

TEST_P(WorkspaceReturnForm, TheListShowsTheFormTheReturnScreenKept) {
  conn().execute("DELETE FROM nrevordr");
  returns::insertEntry(conn(), entry(2016, 1, "R", "N", ""));
  open("F1", 2016);
  // A form of the year that is not the firm's: the return screen chooses the firm's own.
  (*ws_)["cborets"].selectText("ITR-7");
  click("cmdefl");
  auto* screen = dynamic_cast<itr::ReturnScreen*>(&top());
  ASSERT_NE(screen, nullptr) << "the return screen opened";
  const std::string kept = screen->formCode();
  ASSERT_TRUE(kept == "ITR-4S" || kept == "ITR-5") << kept;
  host().desktop().close(top());
  ASSERT_EQ(&top(), ws_.get());
  EXPECT_EQ((*ws_)["cborets"].text, kept);

  host().desktop().close(*ws_);
  open("F1", 2016);
  EXPECT_EQ((*ws_)["cborets"].text, kept);
  EXPECT_EQ((*ws_)["cborets"].items, (std::vector<std::string>{"ITR-1", "ITR-2", "ITR-2A", "ITR-3", "ITR-4", "ITR-4S",
                                                                "ITR-5", "ITR-6", "ITR-7"}));
}

MERIDIAN_ON_BOTH_ENGINES(WorkspaceReturnForm);

}  // namespace
}  // namespace meridian::reg::testing
