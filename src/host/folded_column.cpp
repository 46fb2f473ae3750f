#include "host/folded_column.h"

#include <stdexcept>

#include "host/client_search.h"

namespace meridian::host {

FoldedColumn::FoldedColumn(const std::vector<std::string>& cells) {
  size_t total = 0;
  for (const auto& cell : cells) total += cell.size();
  // Offsets are 32-bit: four gigabytes of one column is far past any practice.
  if (total > UINT32_MAX) throw std::length_error("a column of the client list is too large to search");
  text_.reserve(total);
  ends_.reserve(cells.size());
  for (const auto& cell : cells) {
    text_ += cell;
    ends_.push_back(static_cast<uint32_t>(text_.size()));
  }
  foldCaseInPlace(text_);
}

}  // namespace meridian::host
