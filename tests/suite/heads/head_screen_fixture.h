#pragma once
// A head screen of the clerk of the small practice, opened the way the
// workspace opens it: the working context names the client I1 and A.Y.
// 2016-17, the sibling component hands out the member, the host shows it.
// The user's part is played by events: clicks, cells left with a text, rows
// selected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suite/heads/head_screen.h"
#include "support/session_fixture.h"

namespace meridian::testsupport {

class HeadScreenTest : public PracticeTest {
 protected:
  void SetUp() override;

  // Sets the working context and shows the member (kept: the same instance
  // each time, loaded afresh).
  suite::heads::HeadScreen& open(const std::string& progId, const std::string& member, const std::string& code = "I1",
                                 int year = 2016);
  void reopen();
  void click(const std::string& button);
  void edit(const std::string& grid, int row, int col, const std::string& typed);
  // Types a row's cells left to right, blanks passed over.
  void type(const std::string& grid, int row, const std::vector<std::string>& cells);
  void select(const std::string& grid, int row);
  void escape();
  ui::Grid& grid(const std::string& name) { return screen_->grid(name); }
  // Every table as the rows read: to compare before and after a refused step.
  std::map<std::string, std::vector<std::string>> everyTable();

  suite::heads::HeadScreen* screen_ = nullptr;
  std::string progId_, member_;
};

}  // namespace meridian::testsupport
