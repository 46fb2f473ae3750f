#pragma once
// A grid of a head screen whose rows are rows of a year table: one column per
// table column, each with its cell type. The grid keeps what the cells show;
// a typed cell is checked as it is left (and kept as typed when refused, so
// the user can mend it), and everything is checked again before a save,
// since a request may bring cells the page never checked.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/money.h"
#include "db/record_set.h"
#include "db/rows.h"
#include "suite/heads/cell_type.h"
#include "ui/form.h"

namespace meridian::suite::heads {

struct GridColumn {
  std::string title;
  std::string column;  // the table's column, lower-case
  CellType type;
  bool required = false;  // a row that holds anything must hold this
  std::string initial;    // what a new row shows ("100" for a share, "Yes")
};

// A cell that cannot be saved as it stands.
struct CellFault {
  int row = -1, col = -1;
  std::string message;
  ui::Icon icon = ui::Icon::information;
};

class RowGrid {
 public:
  RowGrid(ui::Form& form, std::string name, std::vector<GridColumn> columns, const std::string& parent);

  const std::string& name() const { return name_; }
  ui::Grid& grid() { return *grid_; }
  const ui::Grid& grid() const { return *grid_; }
  const std::vector<GridColumn>& columns() const { return columns_; }
  int rowCount() const { return grid_->rowCount(); }
  // The index of a table column among the grid's; throws for a column it has not.
  int columnIndex(std::string_view column) const;

  // Offers another list in a choice column, for a list that changes with the
  // year shown; call before the rows are shown.
  void setChoices(std::string_view column, std::vector<Choice> choices);

  // Shows the rows as read; the grid is unchanged afterwards.
  void show(const db::RecordSet& rows);
  void showTexts(std::vector<std::vector<std::string>> rows);
  std::vector<std::vector<std::string>> texts() const { return grid_->rows; }

  // A blank row after the last, selected at its first cell.
  void addRow();
  // A blank row before the selected one (first when none is selected).
  void insertRow();
  // Removes the selected row; false when none is selected.
  bool deleteSelectedRow();
  int selectedRow() const { return grid_->selectedRow; }
  void select(int row, int col = 0);

  // The user left a cell with this text: the cell shows what it holds now
  // (the text as typed when refused); the refusal, if any.
  std::optional<CellFault> edit(int row, int col, const std::string& typed);

  // A row that holds nothing but what a new row shows.
  bool blank(int row) const;
  bool blank(const std::vector<std::string>& texts) const;
  // Every cell of every row that holds anything, checked again in order, and
  // the columns such a row must fill; the first fault.
  std::optional<CellFault> firstFault() const;
  // The rows that hold anything, in the grid's order.
  std::vector<int> filledRows() const;
  // The stored values of a row's cells, by column.
  db::Pairs pairsOf(int row) const { return pairsOf(grid_->rows[static_cast<size_t>(row)]); }
  db::Pairs pairsOf(const std::vector<std::string>& texts) const;
  // The first fault of a row's cells (the row numbered as given).
  std::optional<CellFault> faultOf(const std::vector<std::string>& texts, int row) const;

  const std::string& cell(int row, std::string_view column) const;
  Money amount(int row, std::string_view column) const;
  std::string code(int row, std::string_view column) const;  // a choice cell's code
  Money total(std::string_view column) const;

  bool changed = false;

 private:
  std::vector<std::string> newRow() const;

  std::string name_;
  std::vector<GridColumn> columns_;
  ui::Grid* grid_;
};

}  // namespace meridian::suite::heads
