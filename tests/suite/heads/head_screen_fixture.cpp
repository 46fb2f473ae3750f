#include "suite/heads/head_screen_fixture.h"

namespace meridian::testsupport {

suite::heads::HeadScreen& HeadScreenTest::open(const std::string& progId, const std::string& member,
                                                const std::string& code, int year) {
  progId_ = progId;
  member_ = member;
  comp().clientCtx().vT_Code_No = code.substr(0, code.find('^'));
  comp().clientCtx().vt_RTCode_No = code;
  comp().clientCtx().vT_Year = year;
  auto form = comp().sibling(progId).object(member);
  screen_ = dynamic_cast<suite::heads::HeadScreen*>(form.get());
  EXPECT_NE(screen_, nullptr) << member << " is a head screen";
  // Shown afresh, as after the workspace closed it: a screen still open would not load again.
  if (form->loaded) screen_->close();
  comp().showMaximised(form);
  return *screen_;
}

void HeadScreenTest::reopen() {
  screen_->close();
  open(progId_, member_, comp().clientCtx().vt_RTCode_No.get(), comp().clientCtx().vT_Year.get());
}

void HeadScreenTest::click(const std::string& button) {
  ui::Event e{button, ui::EventType::click};
  ASSERT_TRUE(screen_->dispatch(e)) << button;
}

void HeadScreenTest::edit(const std::string& grid, int row, int col, const std::string& typed) {
  ui::Event e{grid, ui::EventType::cellEdited, 0, row, col, typed};
  ASSERT_TRUE(screen_->dispatch(e));
}

void HeadScreenTest::type(const std::string& grid, int row, const std::vector<std::string>& cells) {
  for (size_t c = 0; c < cells.size(); ++c)
    if (!cells[c].empty()) edit(grid, row, static_cast<int>(c), cells[c]);
}

void HeadScreenTest::select(const std::string& grid, int row) {
  screen_->grid(grid).selectedRow = row;
  ui::Event e{grid, ui::EventType::rowColChange, 0, row, 0};
  ASSERT_TRUE(screen_->dispatch(e));
}

void HeadScreenTest::escape() {
  ui::Event e{"", ui::EventType::keyDown, ui::keys::escape};
  ASSERT_TRUE(screen_->dispatch(e));
}

}  // namespace meridian::testsupport
