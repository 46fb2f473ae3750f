#include "ui/control.h"

#include <stdexcept>

namespace meridian::ui {

void Control::selectText(const std::string& t) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == t) {
      selectIndex(static_cast<int>(i));
      return;
    }
  listIndex = -1;
  text = t;
}

void Control::selectIndex(int i) {
  if (i < 0 || i >= static_cast<int>(items.size())) {
    listIndex = -1;
    text.clear();
    return;
  }
  listIndex = i;
  text = items[static_cast<size_t>(i)];
}

void Grid::setColumns(std::vector<std::string> t) {
  titles = std::move(t);
  hidden.assign(titles.size(), false);
  widths.assign(titles.size(), 0);
  rightAligned.assign(titles.size(), false);
  search.assign(titles.size(), "");
}

const std::string& Grid::textMatrix(int row, int col) const {
  static const std::string empty;
  if (row < 0 || row >= rowCount()) return empty;
  if (source) return col < 0 || col >= source->columnCount() ? empty : source->cell(row, col);
  const auto& r = rows[static_cast<size_t>(row)];
  if (col < 0 || col >= static_cast<int>(r.size())) return empty;
  return r[static_cast<size_t>(col)];
}

void Grid::setTextMatrix(int row, int col, std::string value) {
  if (row < 0 || col < 0) throw std::out_of_range("grid cell");
  if (source) throw std::logic_error("the rows of this grid are shared and cannot be changed");
  if (row >= rowCount()) rows.resize(static_cast<size_t>(row) + 1);
  auto& r = rows[static_cast<size_t>(row)];
  if (col >= static_cast<int>(r.size())) r.resize(static_cast<size_t>(col) + 1);
  r[static_cast<size_t>(col)] = std::move(value);
}

}  // namespace meridian::ui
