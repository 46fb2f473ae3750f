// The selection and order of a grid's rows: the moves the keys make, among
// the rows a search left, and sorting by a column.
#include "ui/grid_view.h"

#include <gtest/gtest.h>

namespace meridian::ui {
namespace {

// A grid of n rows whose only column holds the row's number.
Grid numbered(int n) {
  Grid g;
  g.setColumns({"No"});
  for (int r = 0; r < n; ++r) g.rows.push_back({std::to_string(r)});
  return g;
}

Grid withColumn(std::vector<std::string> cells) {
  Grid g;
  g.setColumns({"Value", "Row"});
  for (size_t r = 0; r < cells.size(); ++r) g.rows.push_back({cells[r], std::to_string(r)});
  return g;
}

std::vector<std::string> shownColumn(const Grid& g, int col) {
  std::vector<std::string> out;
  for (int i = 0; i < g.visibleCount(); ++i) out.push_back(g.textMatrix(g.visibleRow(i), col));
  return out;
}

TEST(GridView, KeysMoveTheSelectionAmongTheRowsShown) {
  struct Case {
    const char* what;
    int selected;
    GridMove move;
    int expected;
  };
  // Rows 0..49 with a search that left every fifth: 0, 5, 10, ... 45.
  const Case cases[] = {
      {"down to the next row shown", 10, GridMove::down, 15},
      {"up to the row shown before", 10, GridMove::up, 5},
      {"down stops at the last row", 45, GridMove::down, 45},
      {"up stops at the first row", 0, GridMove::up, 0},
      {"a page down", 5, GridMove::pageDown, 20},
      {"a page down past the end stops there", 35, GridMove::pageDown, 45},
      {"a page up past the start stops there", 10, GridMove::pageUp, 0},
      {"Home", 30, GridMove::first, 0},
      {"End", 5, GridMove::last, 45},
      {"no selection: any key starts at the first row", -1, GridMove::down, 0},
      {"no selection: End goes to the last", -1, GridMove::last, 45},
      {"a selected row the search hid starts again at the first", 7, GridMove::down, 0},
  };
  for (const auto& c : cases) {
    Grid g = numbered(50);
    g.filtered = true;
    for (int r = 0; r < 50; r += 5) g.view.push_back(r);
    g.selectedRow = c.selected;
    EXPECT_EQ(moveSelection(g, c.move, 3), c.expected) << c.what;
    EXPECT_EQ(g.selectedRow, c.expected) << c.what;
  }
}

TEST(GridView, AnEmptyGridSelectsNothing) {
  Grid g = numbered(0);
  g.selectedRow = 3;
  EXPECT_EQ(moveSelection(g, GridMove::down, 10), -1);
  EXPECT_EQ(g.selectedRow, -1);
}

TEST(GridView, SortsEachKindOfColumnByItsMeaning) {
  struct Case {
    const char* what;
    std::vector<std::string> cells;
    std::vector<std::string> ascending;
  };
  const Case cases[] = {
      {"numbers by value, not by text", {"100", "9", "-20", "12.5", "0"}, {"-20", "0", "9", "12.5", "100"}},
      {"figures shown with their grouping", {"1,00,000.00", "99,999.99", "-1,234"}, {"-1,234", "99,999.99", "1,00,000.00"}},
      {"negative decimals", {"-1.5", "-1.25", "-10"}, {"-10", "-1.5", "-1.25"}},
      {"dates by day, month and year", {"01/04/2016", "31/03/2016", "15/12/2015"}, {"15/12/2015", "31/03/2016", "01/04/2016"}},
      {"text without regard to case", {"banerjee", "Agarwal", "CHOPRA"}, {"Agarwal", "banerjee", "CHOPRA"}},
      {"a column of numbers and words sorts as text", {"10", "9", "Nil"}, {"10", "9", "Nil"}},
      {"blank cells last", {"", "5", " ", "2"}, {"2", "5", "", " "}},
  };
  for (const auto& c : cases) {
    Grid g = withColumn(c.cells);
    sortBy(g, 0, false);
    EXPECT_EQ(shownColumn(g, 0), c.ascending) << c.what;
  }
}

TEST(GridView, DescendingKeepsBlanksLastAndEqualRowsInOrder) {
  Grid g = withColumn({"B", "", "a", "b", "A"});
  sortBy(g, 0, true);
  EXPECT_EQ(shownColumn(g, 0), (std::vector<std::string>{"B", "b", "a", "A", ""}));
  EXPECT_EQ(shownColumn(g, 1), (std::vector<std::string>{"0", "3", "2", "4", "1"})) << "equal rows keep their order";
}

TEST(GridView, TitleClicksToggleTheOrderAndKeepTheSelection) {
  Grid g = withColumn({"30", "10", "20"});
  g.selectedRow = 2;
  sortByTitleClick(g, 0);
  EXPECT_EQ(g.sortCol, -1) << "a grid that is not sortable stays as loaded";
  g.sortable = true;
  sortByTitleClick(g, 0);
  EXPECT_EQ(shownColumn(g, 0), (std::vector<std::string>{"10", "20", "30"}));
  sortByTitleClick(g, 0);
  EXPECT_EQ(shownColumn(g, 0), (std::vector<std::string>{"30", "20", "10"}));
  EXPECT_TRUE(g.sortDescending);
  EXPECT_EQ(g.selectedRow, 2);
  EXPECT_EQ(visibleIndexOf(g, 2), 1);
}

TEST(GridView, TheSortOutlivesANewSearch) {
  Grid g = withColumn({"30", "10", "20", "40"});
  sortBy(g, 0, false);
  // A search chooses the rows again, in their loaded order.
  g.view = {3, 2, 0};
  applySort(g);
  EXPECT_EQ(shownColumn(g, 0), (std::vector<std::string>{"20", "30", "40"}));
  g.clearRows();
  applySort(g);
  EXPECT_EQ(g.visibleCount(), 0);
}

}  // namespace
}  // namespace meridian::ui
