#pragma once
// One column of the client list as a search reads it: every cell upper-cased
// (ASCII letters only, as the search boxes read their text) and packed end to
// end in one block. A keystroke then walks memory in order and compares bytes
// with memcmp, instead of following each cell's own allocation and folding
// its case character by character.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace meridian::host {

class FoldedColumn {
 public:
  explicit FoldedColumn(const std::vector<std::string>& cells);
  std::string_view at(size_t row) const {
    const uint32_t from = row == 0 ? 0 : ends_[row - 1];
    return std::string_view(text_).substr(from, ends_[row] - from);
  }
  size_t bytes() const { return text_.capacity() + ends_.capacity() * sizeof(uint32_t); }

 private:
  std::string text_;
  std::vector<uint32_t> ends_;  // where each row's cell ends in text_
};

}  // namespace meridian::host
