#pragma once
// The clerk of the small practice at a head screen, opened the way the
// workspace opens it: the working context names the client's data set and
// A.Y., the sibling component hands out the member, the host shows it. The
// user's part is played by events as the page sends them: buttons clicked,
// cells left with what was typed, rows selected, boxes changed.
//
// ScreenEventsTest drives any screen it is given (case tables open several);
// HeadScreenTest keeps the one screen a test opened and drives that.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/component.h"
#include "suite/heads/head_screen.h"
#include "support/session_fixture.h"
#include "ui/form.h"

namespace meridian::suite::heads {

class ScreenEventsTest : public testsupport::PracticeTest {
 public:  // case tables drive the screen through these
  template <class Screen>
  std::shared_ptr<Screen> openFor(const std::string& member, const std::string& client, int year) {
    comp().clientCtx().vT_Code_No = client;
    comp().clientCtx().vt_RTCode_No = client;
    comp().clientCtx().vT_Year = year;
    return std::dynamic_pointer_cast<Screen>(comp().open(member));
  }
  void dispatch(ui::Form& f, ui::Event e) { ASSERT_TRUE(f.dispatch(e)) << e.control; }
  void click(ui::Form& f, const std::string& button) { dispatch(f, {button, ui::EventType::click}); }
  // Types into a cell and leaves it.
  void type(ui::Form& f, const std::string& grid, int row, const std::string& title, const std::string& text) {
    const auto& titles = f.grid(grid).titles;
    const auto it = std::find(titles.begin(), titles.end(), title);
    ASSERT_NE(it, titles.end()) << grid << " has no column " << title;
    ui::Event e{grid, ui::EventType::cellEdited};
    e.row = row;
    e.col = static_cast<int>(it - titles.begin());
    e.value = text;
    dispatch(f, e);
  }
  // Adds a row to the grid whose buttons carry `key` and types its cells.
  void addRow(ui::Form& f, const std::string& grid, const std::string& key,
              const std::vector<std::pair<std::string, std::string>>& cells) {
    click(f, "cmdAdd" + key);
    const int row = f.grid(grid).rowCount() - 1;
    for (const auto& [title, text] : cells) type(f, grid, row, title, text);
  }
  void selectRow(ui::Form& f, const std::string& grid, int row) {
    f.grid(grid).selectedRow = row;
    ui::Event e{grid, ui::EventType::rowColChange};
    e.row = row;
    dispatch(f, e);
  }
  std::vector<std::string> rowOf(ui::Form& f, const std::string& grid, int row) { return f.grid(grid).rows.at(row); }
  std::string lastMessage() {
    const auto texts = dialogs().texts();
    return texts.empty() ? "" : texts.back();
  }
  std::map<std::string, std::vector<std::string>> dumpOf(const std::vector<std::string>& tables) {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& t : tables) out[t] = database().dump(t);
    return out;
  }
  std::string scalar(const std::string& sql, const db::Params& params = {}) { return conn().scalar(sql, params); }
};

}  // namespace meridian::suite::heads

namespace meridian::testsupport {

class HeadScreenTest : public suite::heads::ScreenEventsTest {
 protected:
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
  std::map<std::string, std::vector<std::string>> everyTable() { return dumpOf(conn().tables()); }

  suite::heads::HeadScreen* screen_ = nullptr;
  std::string progId_, member_;
};

}  // namespace meridian::testsupport
