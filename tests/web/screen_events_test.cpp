// A browser event carried into a screen: the values the page sent, the
// pieces the user changed on the page, date boxes, and grid moves.
#include "web/screen_events.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace meridian::web {
namespace {

class EntryForm : public ui::Form {
 public:
  EntryForm() : ui::Form("ent", "Entry") {
    add(ui::ControlKind::textBox, "txtName");
    add(ui::ControlKind::textBox, "txtTax").locked = true;
    add(ui::ControlKind::dateBox, "txtDob").mask = "__/__/____";
    add(ui::ControlKind::checkBox, "chkSenior");
    ui::Control& g = addGrid("grd");
    g.grid->setColumns({"Code"});
    g.grid->searchBoxes = true;
    for (int r = 0; r < 10; ++r) g.grid->rows.push_back({"C" + std::to_string(r)});
    on("grd", ui::EventType::rowColChange, [this](ui::Event& e) { heardRow = e.row; });
  }
  int heardRow = -2;
};

TEST(ScreenEvents, DateBoxesHoldWhatThePageShowsReadAsThePageReadsIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"1/1/1950", "01/01/1950"}, {"01011950", "01/01/1950"}, {"__/__/____", "__/__/____"},
      {"", "__/__/____"},         {"31/02/1950", "31/02/1950"} /* left for the screen's check */};
  for (const auto& [typed, held] : cases) {
    EntryForm f;
    applyValues(f, {{"txtDob", typed}});
    EXPECT_EQ(f["txtDob"].text, held) << typed;
  }
}

TEST(ScreenEvents, ThePiecesTheUserChangedAreNamed) {
  EntryForm f;
  f["txtName"].text = "RAVI";
  auto typed = applyValues(f, {{"txtName", "RAVI"}, {"txtTax", "99"}, {"chkSenior", true}, {"TxtS0", "C1"},
                               {"txtDob", "__/__/____"}, {"nosuchbox", "x"}});
  std::sort(typed.begin(), typed.end());
  // The name came back as it was; the empty date box now holds its mask.
  EXPECT_EQ(typed, (std::vector<std::string>{"chkSenior", "grd", "txtDob"}));
  EXPECT_EQ(f["txtTax"].text, "") << "a locked figure is the screen's own";
  EXPECT_EQ(f.grid("grd").search[0], "C1");
}

TEST(ScreenEvents, GridMovesAndClicksSetTheScreensSelection) {
  struct Case {
    const char* what;
    nlohmann::json body;
    int selected;
  };
  const Case cases[] = {
      {"a click on a row", {{"type", "rowcolchange"}, {"control", "grd"}, {"row", 4}, {"col", 0}}, 4},
      {"a row the grid does not have leaves the selection", {{"type", "rowcolchange"}, {"control", "grd"}, {"row", 40}}, 2},
      {"the down arrow", {{"type", "rowcolchange"}, {"control", "grd"}, {"move", "down"}}, 3},
      {"End", {{"type", "rowcolchange"}, {"control", "grd"}, {"move", "last"}}, 9},
      {"a page down of four rows", {{"type", "rowcolchange"}, {"control", "grd"}, {"move", "pagedown"}, {"page", 4}}, 6},
  };
  for (const auto& c : cases) {
    EntryForm f;
    f.grid("grd").selectedRow = 2;
    auto e = eventFromJson(c.body);
    ASSERT_TRUE(e) << c.what;
    deliver(f, *e);
    EXPECT_EQ(f.grid("grd").selectedRow, c.selected) << c.what;
    EXPECT_EQ(f.heardRow, c.selected) << "the screen's handler hears the row: " << c.what;
  }
}

TEST(ScreenEvents, MalformedEventsAreRefused) {
  EXPECT_FALSE(eventFromJson({{"type", "explode"}}));
  EXPECT_FALSE(eventFromJson({{"type", "rowcolchange"}, {"move", "sideways"}}));
  EXPECT_FALSE(eventFromJson(nlohmann::json::array()));
  EXPECT_TRUE(eventFromJson({{"type", "sort"}, {"control", "grd"}, {"col", 0}}));
}

TEST(ScreenEvents, TheRowsThePageHoldsAreKeptWithinLimits) {
  GridWindows w;
  readGridWindows({{"grd", {{"first", 300}, {"count", 250}}}, {"bad", {{"first", -5}, {"count", 999999}}}, {"odd", 3}}, w);
  EXPECT_EQ(w["grd"], (RowWindow{300, 250}));
  EXPECT_EQ(w["bad"], (RowWindow{0, kGridWindowLimit}));
  EXPECT_EQ(w.count("odd"), 0u);
}

}  // namespace
}  // namespace meridian::web
