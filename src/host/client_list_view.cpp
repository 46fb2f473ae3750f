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

void ClientListView::matching(const RowFilter& filter, const std::vector<int>& order, std::vector<int>& out) const {
  out.clear();
  auto test = [&](int position) {
    const uint32_t row = rows_[static_cast<size_t>(position)];
    if (filter.matches([&](int col) -> std::string_view {
          return static_cast<size_t>(col) < list_->fields().size() ? std::string_view(list_->cell(row, static_cast<size_t>(col)))
                                                                  : std::string_view();
        }))
      out.push_back(position);
  };
  if (order.empty())
    for (int p = 0; p < rowCount(); ++p) test(p);
  else
    for (int p : order) test(p);
}

}  // namespace meridian::host
