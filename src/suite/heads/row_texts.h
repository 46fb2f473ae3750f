#pragma once
// One row of a head grid as the texts its cells show, read by table column:
// a row of the grid itself, or a detail row kept for a master row that is not
// the one shown. Cells are read as accepted; a text the cell would refuse
// reads as blank (the save checks every cell before any of this is used).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "suite/heads/row_grid.h"

namespace meridian::suite::heads {

class RowTexts {
 public:
  RowTexts(const RowGrid& grid, const std::vector<std::string>& texts) : grid_(grid), texts_(texts) {}
  // A row the grid shows.
  RowTexts(const RowGrid& grid, int row) : grid_(grid), texts_(grid.grid().rows.at(static_cast<size_t>(row))) {}

  std::string text(std::string_view column) const;
  Money amount(std::string_view column) const;
  std::string code(std::string_view column) const;  // a choice's stored code
  long long whole(std::string_view column) const;
  std::optional<CivilDate> date(std::string_view column) const;
  bool blank() const { return grid_.blank(texts_); }

 private:
  const RowGrid& grid_;
  const std::vector<std::string>& texts_;
};

}  // namespace meridian::suite::heads
