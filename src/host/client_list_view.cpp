#include "host/client_list_view.h"

#include <algorithm>

namespace meridian::host {

ClientListView::ClientListView(std::shared_ptr<const ClientList> list, const std::vector<std::string>& excluded,
                               const std::optional<std::vector<std::string>>& only)
    : list_(std::move(list)) {
  // Marks by row, then one pass in the list's order: excluded codes that are
  // no client (any more) simply mark nothing.
  std::vector<char> shown(list_->size(), only ? 0 : 1);
  if (only)
    for (const auto& code : *only)
      if (auto row = list_->rowOf(code)) shown[*row] = 1;
  for (const auto& code : excluded)
    if (auto row = list_->rowOf(code)) shown[*row] = 0;
  rows_.reserve(static_cast<size_t>(std::count(shown.begin(), shown.end(), 1)));
  for (uint32_t r = 0; r < shown.size(); ++r)
    if (shown[r]) rows_.push_back(r);
}

int ClientListView::find(const std::string& code) const {
  auto row = list_->rowOf(code);
  if (!row) return -1;
  // The rows are in the list's order, so a binary search finds the position.
  auto it = std::lower_bound(rows_.begin(), rows_.end(), *row);
  return it != rows_.end() && *it == *row ? static_cast<int>(it - rows_.begin()) : -1;
}

namespace {

// The boxes of a filter, each with the folded column it searches (nullptr:
// a column the list does not have, whose cells read as empty).
using BoundBoxes = std::vector<std::pair<const FoldedColumn*, const SearchBox*>>;

BoundBoxes bind(const ClientList& list, const RowFilter& filter) {
  BoundBoxes bound;
  for (const auto& [col, box] : filter.boxes())
    bound.emplace_back(static_cast<size_t>(col) < list.fields().size() ? &list.folded(static_cast<size_t>(col)) : nullptr,
                       &box);
  return bound;
}

bool passes(const BoundBoxes& boxes, uint32_t row) {
  for (const auto& [column, box] : boxes)
    if (!box->matchesFolded(column ? column->at(row) : std::string_view())) return false;
  return true;
}

}  // namespace

void ClientListView::matching(const RowFilter& filter, const std::vector<int>& order, std::vector<int>& out) const {
  out.clear();
  const BoundBoxes boxes = bind(*list_, filter);
  if (order.empty()) {
    for (int p = 0; p < rowCount(); ++p)
      if (passes(boxes, rows_[static_cast<size_t>(p)])) out.push_back(p);
  } else {
    for (int p : order)
      if (passes(boxes, rows_[static_cast<size_t>(p)])) out.push_back(p);
  }
}

void ClientListView::narrow(const RowFilter& filter, std::vector<int>& positions) const {
  const BoundBoxes boxes = bind(*list_, filter);
  std::erase_if(positions, [&](int p) { return !passes(boxes, rows_[static_cast<size_t>(p)]); });
}

}  // namespace meridian::host
