#pragma once
// A head screen made of grids only, each grid the rows of one year table:
// the schedules that are lists (Sch-PTI, Sch-FA, the deemed capital gains,
// the gains on depreciable assets). Reading and writing are the same for
// each; a screen adds its grids, its own rules and its totals line.
#include <utility>
#include <vector>

#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class TableGridsScreen : public HeadScreen {
 public:
  using HeadScreen::HeadScreen;

 protected:
  // A grid whose rows are the rows of `table` for the data set and year shown.
  RowGrid& addTableGrid(YearTable table, GridSpec layout);
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;

 private:
  std::vector<std::pair<YearTable, RowGrid*>> tables_;
};

}  // namespace meridian::suite::heads
