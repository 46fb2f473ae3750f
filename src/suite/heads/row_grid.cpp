#include "suite/heads/row_grid.h"

#include <algorithm>
#include <stdexcept>

#include "common/text.h"

namespace meridian::suite::heads {

namespace {

// Room for what a cell of the kind usually holds, in characters.
int widthOf(const CellType& t) {
  switch (t.kind) {
    case CellKind::text: return t.length > 0 && t.length < 40 ? t.length : 28;
    case CellKind::money:
    case CellKind::loss: return 13;
    case CellKind::whole: return 6;
    case CellKind::date: return 11;
    case CellKind::pan:
    case CellKind::tan: return 13;
    case CellKind::digits: return t.length + 2;
    case CellKind::year: return 8;
    case CellKind::choice: {
      size_t longest = 0;
      for (const auto& c : t.choices) longest = std::max(longest, c.caption.size());
      return static_cast<int>(std::min<size_t>(longest + 1, 34));
    }
  }
  return 0;
}

}  // namespace

RowGrid::RowGrid(ui::Form& form, std::string name, std::vector<GridColumn> columns, const std::string& parent)
    : name_(std::move(name)), columns_(std::move(columns)) {
  grid_ = form.addGrid(name_, parent).grid.get();
  std::vector<std::string> titles;
  for (const auto& c : columns_) titles.push_back(c.title);
  grid_->setColumns(titles);
  for (size_t i = 0; i < columns_.size(); ++i) {
    grid_->rightAligned[i] = columns_[i].type.kind == CellKind::money || columns_[i].type.kind == CellKind::loss;
    grid_->widths[i] = widthOf(columns_[i].type);
  }
  grid_->editable = true;
}

int RowGrid::columnIndex(std::string_view column) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i].column == column) return static_cast<int>(i);
  throw std::out_of_range("grid " + name_ + " has no column " + std::string(column));
}

void RowGrid::setChoices(std::string_view column, std::vector<Choice> choices) {
  const auto i = static_cast<size_t>(columnIndex(column));
  columns_[i].type.choices = std::move(choices);
  grid_->widths[i] = widthOf(columns_[i].type);
}

void RowGrid::show(const db::RecordSet& rows) {
  std::vector<std::vector<std::string>> texts;
  for (const auto& r : rows) {
    std::vector<std::string> line;
    for (const auto& c : columns_) line.push_back(shownValue(c.type, r, c.column));
    texts.push_back(std::move(line));
  }
  showTexts(std::move(texts));
}

void RowGrid::showTexts(std::vector<std::vector<std::string>> rows) {
  grid_->clearRows();
  for (auto& r : rows) {
    r.resize(columns_.size());
    grid_->rows.push_back(std::move(r));
  }
  changed = false;
}

void RowGrid::select(int row, int col) {
  grid_->selectedRow = row;
  grid_->selectedCol = row < 0 ? -1 : col;
}

std::vector<std::string> RowGrid::newRow() const {
  std::vector<std::string> row;
  for (const auto& c : columns_) row.push_back(c.initial);
  return row;
}

bool RowGrid::blank(const std::vector<std::string>& texts) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (trimmed(i < texts.size() ? texts[i] : "", kWhitespace) != columns_[i].initial) return false;
  return true;
}

bool RowGrid::blank(int row) const { return blank(grid_->rows[static_cast<size_t>(row)]); }

void RowGrid::addRow() {
  grid_->rows.push_back(newRow());
  select(rowCount() - 1);
  changed = true;
}

void RowGrid::insertRow() {
  const int at = grid_->selectedRow < 0 ? 0 : grid_->selectedRow;
  grid_->rows.insert(grid_->rows.begin() + at, newRow());
  select(at);
  changed = true;
}

bool RowGrid::deleteSelectedRow() {
  const int at = grid_->selectedRow;
  if (at < 0 || at >= rowCount()) return false;
  grid_->rows.erase(grid_->rows.begin() + at);
  select(rowCount() == 0 ? -1 : std::min(at, rowCount() - 1), std::max(grid_->selectedCol, 0));
  changed = true;
  return true;
}

std::optional<CellFault> RowGrid::edit(int row, int col, const std::string& typed) {
  if (row < 0 || row >= rowCount() || col < 0 || col >= static_cast<int>(columns_.size())) return std::nullopt;
  const GridColumn& c = columns_[static_cast<size_t>(col)];
  const CellCheck check = checkCell(c.type, typed, c.title);
  const std::string now = check.accepted ? check.shown : typed;
  if (now != grid_->textMatrix(row, col)) changed = true;
  grid_->setTextMatrix(row, col, now);
  if (check.accepted) return std::nullopt;
  return CellFault{row, col, check.message, check.icon};
}



std::vector<int> RowGrid::filledRows() const {
  std::vector<int> out;
  for (int r = 0; r < rowCount(); ++r)
    if (!blank(r)) out.push_back(r);
  return out;
}

std::optional<CellFault> RowGrid::faultOf(const std::vector<std::string>& texts, int row) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    const GridColumn& c = columns_[i];
    const CellCheck check = checkCell(c.type, i < texts.size() ? texts[i] : "", c.title);
    if (!check.accepted) return CellFault{row, static_cast<int>(i), check.message, check.icon};
    if (c.required && check.shown.empty())
      return CellFault{row, static_cast<int>(i), "Please specify '" + c.title + "'.", ui::Icon::information};
  }
  return std::nullopt;
}

std::optional<CellFault> RowGrid::firstFault() const {
  for (int r : filledRows())
    if (auto f = faultOf(grid_->rows[static_cast<size_t>(r)], r)) return f;
  return std::nullopt;
}

db::Pairs RowGrid::pairsOf(const std::vector<std::string>& texts) const {
  db::Pairs out;
  for (size_t i = 0; i < columns_.size(); ++i) {
    const GridColumn& c = columns_[i];
    const CellCheck check = checkCell(c.type, i < texts.size() ? texts[i] : "", c.title);
    out.emplace_back(c.column, storedValue(c.type, check.accepted ? check.shown : ""));
  }
  return out;
}

const std::string& RowGrid::cell(int row, std::string_view column) const {
  return grid_->textMatrix(row, columnIndex(column));
}

Money RowGrid::amount(int row, std::string_view column) const { return amountOf(cell(row, column)); }

std::string RowGrid::code(int row, std::string_view column) const {
  return codeOf(columns_[static_cast<size_t>(columnIndex(column))].type, cell(row, column));
}

Money RowGrid::total(std::string_view column) const {
  Money sum;
  for (int r = 0; r < rowCount(); ++r) sum += amount(r, column);
  return sum;
}

}  // namespace meridian::suite::heads
