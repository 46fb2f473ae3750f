// What a tab is told after an event: only the pieces that changed, the whole
// screen when another one is shown, and a grid's rows laid around a
// selection that moved out of the rows the page holds.
#include "web/screen_update.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/grid_view.h"

namespace meridian::web {
namespace {

// A screen with a frame, a box, a label and a long list.
class ListForm : public ui::Form {
 public:
  explicit ListForm(int rows, const std::string& name = "lst") : ui::Form(name, "List") {
    add(ui::ControlKind::frame, "fra", "Search");
    add(ui::ControlKind::textBox, "txtName", "Name", "fra");
    add(ui::ControlKind::label, "lblCount", "0 rows", "fra");
    ui::Control& g = addGrid("grd");
    g.grid->setColumns({"Code", "Amount"});
    g.grid->rightAligned = {false, true};
    for (int r = 0; r < rows; ++r) g.grid->rows.push_back({"C" + std::to_string(r), std::to_string(r * 1000)});
  }
};

std::vector<std::string> ids(const ScreenUpdate& u) {
  std::vector<std::string> out;
  for (const auto& p : u.changed) out.push_back(p.id);
  return out;
}

TEST(ScreenUpdate, TheFirstAnswerIsWholeAndAnUnchangedScreenSendsNothing) {
  ListForm f(3);
  PageView view;
  ScreenUpdate first = updateFor(&f, view, false);
  ASSERT_TRUE(first.whole.has_value());
  EXPECT_NE(first.whole->find("id=\"txtName\""), std::string::npos);
  ScreenUpdate again = updateFor(&f, view, false);
  EXPECT_FALSE(again.whole.has_value());
  EXPECT_TRUE(again.changed.empty());
}

TEST(ScreenUpdate, OnlyThePiecesThatChangedAreSent) {
  struct Case {
    const char* what;
    std::function<void(ListForm&)> change;
    std::vector<std::string> sent;
  };
  const std::vector<Case> cases = {
      {"a label's caption", [](ListForm& f) { f["lblCount"].caption = "2 rows"; }, {"lblCount"}},
      {"a box's text", [](ListForm& f) { f["txtName"].text = "ABC"; }, {"txtName"}},
      {"a frame hidden: its shell, not what it holds", [](ListForm& f) { f["fra"].visible = false; }, {"fra"}},
      {"a search: the rows and the count", [](ListForm& f) {
         ui::Grid& g = f.grid("grd");
         g.filtered = true;
         g.view = {1};
         f["lblCount"].caption = "1 rows";
       }, {"lblCount", "grd/rows"}},
      {"a sort: the titles and the rows", [](ListForm& f) {
         f.grid("grd").sortable = true;
         ui::sortBy(f.grid("grd"), 1, true);
       }, {"grd", "grd/rows"}},
      {"the screen's caption", [](ListForm& f) { f.caption = "Another"; }, {""}},
  };
  for (const auto& c : cases) {
    ListForm f(3);
    PageView view;
    updateFor(&f, view, false);
    c.change(f);
    ScreenUpdate u = updateFor(&f, view, false);
    EXPECT_FALSE(u.whole.has_value()) << c.what;
    EXPECT_EQ(ids(u), c.sent) << c.what;
  }
}

TEST(ScreenUpdate, AnotherScreenOrOtherControlsComeWhole) {
  ListForm a(3), b(3, "other");
  PageView view;
  updateFor(&a, view, false);
  EXPECT_TRUE(updateFor(&b, view, false).whole.has_value()) << "another screen";
  b.add(ui::ControlKind::button, "cmdNew", "&New");
  EXPECT_TRUE(updateFor(&b, view, false).whole.has_value()) << "a control more";
  EXPECT_TRUE(updateFor(&b, view, true).whole.has_value()) << "a reloaded page";
  ScreenUpdate none = updateFor(nullptr, view, false);
  ASSERT_TRUE(none.whole.has_value());
  EXPECT_EQ(*none.whole, "") << "no screen: the menu";
  EXPECT_FALSE(updateFor(nullptr, view, false).whole.has_value());
}

TEST(ScreenUpdate, ASelectionMovedOutOfTheRowsHeldBringsRowsAroundIt) {
  ListForm f(1000);
  PageView view;
  updateFor(&f, view, false);
  EXPECT_EQ(view.windows["grd"], (RowWindow{0, kGridWindow}));

  f.grid("grd").selectedRow = 700;
  ScreenUpdate u = updateFor(&f, view, false);
  EXPECT_EQ(u.reveal, std::vector<std::string>{"grd"});
  const RowWindow w = view.windows["grd"];
  EXPECT_LE(w.first, 700);
  EXPECT_GT(w.first + w.count, 700);
  const auto rows = std::find_if(u.changed.begin(), u.changed.end(), [](const auto& p) { return p.id == "grd/rows"; });
  ASSERT_NE(rows, u.changed.end());
  EXPECT_NE(rows->html.find("data-row=\"700\" data-i=\"700\" class=\"selected\""), std::string::npos);
  EXPECT_NE(rows->html.find("data-spacer=\"top\""), std::string::npos) << "space stands for the rows above";

  // The user scrolls elsewhere: the selection did not move, the rows they see stay.
  view.windows["grd"] = RowWindow{100, 300};
  ScreenUpdate later = updateFor(&f, view, false);
  EXPECT_TRUE(later.reveal.empty());
  EXPECT_EQ(view.windows["grd"], (RowWindow{100, 300}));
}

TEST(ScreenUpdate, AmountsShowGroupedWhileTheGridKeepsItsFigures) {
  ListForm f(2000);
  PageView view;
  f.grid("grd").selectedRow = 1234;
  updateFor(&f, view, false);
  const std::string html = renderGridBody(f["grd"], view.windows["grd"]);
  EXPECT_NE(html.find(">12,34,000</td>"), std::string::npos);
  EXPECT_EQ(f.grid("grd").textMatrix(1234, 1), "1234000");
}

}  // namespace
}  // namespace meridian::web
