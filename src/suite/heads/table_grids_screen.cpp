#include "suite/heads/table_grids_screen.h"

namespace meridian::suite::heads {

RowGrid& TableGridsScreen::addTableGrid(YearTable table, GridSpec layout) {
  RowGrid& grid = addRowGrid(std::move(layout));
  tables_.emplace_back(std::move(table), &grid);
  return grid;
}

void TableGridsScreen::readYear(db::Connection& conn) {
  for (auto& [table, grid] : tables_) grid->show(readRows(conn, table, code(), year()));
}

void TableGridsScreen::writeYear(db::Connection& conn) {
  for (const auto& [table, grid] : tables_) {
    std::vector<db::Pairs> rows;
    for (int r : grid->filledRows()) rows.push_back(grid->pairsOf(r));
    replaceRows(conn, table, code(), year(), rows);
  }
}

}  // namespace meridian::suite::heads
