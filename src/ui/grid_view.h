#pragma once
// What a grid shows and where its selection stands: the position of a row
// among the rows shown, the keys that move the selection (arrows, Home/End,
// PgUp/PgDn), and sorting by a column. The selected row is the screen's own
// state: the page only asks for these moves, so every button acts on the row
// the user sees selected.
#include <optional>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace meridian::ui {

// Position of a data row among the rows shown, -1 when it is not shown.
int visibleIndexOf(const Grid& g, int row);

enum class GridMove { up, down, pageUp, pageDown, first, last };
// "up", "down", "pageup", "pagedown", "first", "last"; nothing for other words.
std::optional<GridMove> gridMoveNamed(std::string_view name);

// Moves the selection as the key does, among the rows shown, and returns the
// selected data row (-1 when nothing is shown). A grid with no selection
// selects its first row on any move. pageRows is how many rows one page holds.
int moveSelection(Grid& g, GridMove move, int pageRows);

// Sorts the rows shown by a column: a column of numbers by value, a column of
// dd/mm/yyyy dates by date, any other by its text without regard to case.
// Equal rows keep their order. The selection stays on its row.
void sortBy(Grid& g, int col, bool descending);
// The rows given (data rows of the grid) in the order sortBy puts them.
std::vector<int> sortedRows(const Grid& g, std::vector<int> rows, int col, bool descending);
// A click on a column title: the first click sorts up, the next on the same
// column down, then up again.
void sortByTitleClick(Grid& g, int col);
// Puts the rows shown back into the grid's sort after they were chosen anew
// (a search, a reload); does nothing for a grid that is not sorted.
void applySort(Grid& g);

}  // namespace meridian::ui
