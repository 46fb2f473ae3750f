#include "host/client_search.h"

namespace meridian::host {
namespace {

constexpr char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The cell's characters from `at` equal the upper-cased text, ignoring case.
bool equalAt(std::string_view cell, size_t at, std::string_view upper) {
  for (size_t i = 0; i < upper.size(); ++i)
    if (upperAscii(cell[at + i]) != upper[i]) return false;
  return true;
}

bool containsIgnoringCase(std::string_view cell, std::string_view upper) {
  if (upper.empty()) return true;
  if (cell.size() < upper.size()) return false;
  const char first = upper.front();
  const char firstLower = first >= 'A' && first <= 'Z' ? static_cast<char>(first - 'A' + 'a') : first;
  const size_t last = cell.size() - upper.size();
  for (size_t at = 0; at <= last; ++at) {
    const char c = cell[at];
    if ((c == first || c == firstLower) && equalAt(cell, at + 1, upper.substr(1))) return true;
  }
  return false;
}

// The cell's characters from `at` equal the text, byte for byte (both folded).
bool sameAt(std::string_view cell, size_t at, std::string_view text) { return cell.compare(at, text.size(), text) == 0; }

}  // namespace

void foldCaseInPlace(std::string& text) {
  for (char& c : text) c = upperAscii(c);
}

std::string foldCase(std::string_view text) {
  std::string out(text);
  foldCaseInPlace(out);
  return out;
}

SearchBox::SearchBox(std::string_view box, bool panColumn) : text_(foldCase(box)) {
  if (box.empty()) return;
  const std::string_view b = text_;
  if (panColumn && b.size() == 10) {
    if (b.substr(0, 3) == "XXX" && b[9] == 'X') {
      rule_ = Rule::acknowledgementPan;
      return;
    }
    if (b.substr(3, 5) == "XXXXX") {
      rule_ = Rule::intimationPan;
      return;
    }
  }
  if (b.front() == '%') {
    rule_ = Rule::contains;
    text_.erase(0, 1);
    return;
  }
  rule_ = Rule::prefix;
}

bool SearchBox::matches(std::string_view cell) const {
  const std::string_view b = text_;
  switch (rule_) {
    case Rule::all: return true;
    case Rule::prefix: return cell.size() >= b.size() && equalAt(cell, 0, b);
    case Rule::contains: return containsIgnoringCase(cell, b);
    case Rule::acknowledgementPan: return cell.size() == 10 && equalAt(cell, 3, b.substr(3, 6));
    case Rule::intimationPan: return cell.size() == 10 && equalAt(cell, 0, b.substr(0, 3)) && equalAt(cell, 8, b.substr(8, 2));
  }
  return false;
}

bool SearchBox::matchesFolded(std::string_view cell) const {
  const std::string_view b = text_;
  switch (rule_) {
    case Rule::all: return true;
    case Rule::prefix: return cell.size() >= b.size() && sameAt(cell, 0, b);
    case Rule::contains: return cell.find(b) != std::string_view::npos;
    case Rule::acknowledgementPan: return cell.size() == 10 && sameAt(cell, 3, b.substr(3, 6));
    case Rule::intimationPan: return cell.size() == 10 && sameAt(cell, 0, b.substr(0, 3)) && sameAt(cell, 8, b.substr(8, 2));
  }
  return false;
}

bool SearchBox::narrows(const SearchBox& before) const {
  if (before.rule_ == Rule::all) return true;
  if (rule_ != before.rule_) return false;
  switch (rule_) {
    case Rule::prefix: return std::string_view(text_).starts_with(before.text_);
    case Rule::contains: return std::string_view(text_).find(before.text_) != std::string_view::npos;
    default: return text_ == before.text_;  // a masked PAN: only the same mask
  }
}

bool RowFilter::narrows(const RowFilter& before) const {
  for (const auto& [column, old] : before.boxes_) {
    bool kept = false;
    for (const auto& [c, box] : boxes_) kept = kept || (c == column && box.narrows(old));
    if (!kept) return false;
  }
  return true;
}

RowFilter::RowFilter(const std::vector<std::string>& titles, const std::vector<std::string>& boxes) {
  for (size_t c = 0; c < boxes.size(); ++c) {
    if (boxes[c].empty()) continue;
    boxes_.emplace_back(static_cast<int>(c), SearchBox(boxes[c], c < titles.size() && titles[c] == "PAN"));
  }
}

}  // namespace meridian::host
