#pragma once
// The search boxes above the client list's columns. A box's text is read once
// per keystroke: upper-cased (ASCII letters only; Indian-script text stays as
// typed) and its rule chosen. Every cell is then compared in place, without a
// copy, so a keystroke over a large list allocates nothing per row.
//
// The rules: a box matches a cell that begins with its text, regardless of
// case; a text that begins with "%" matches a cell that holds the rest
// anywhere; in the column titled "PAN" a text of exactly ten characters is a
// masked PAN: xxxXX0000x (as an acknowledgement attachment prints it) matches
// a PAN whose characters 4 to 9 are the same, XXXxxxxx0X (as an intimation
// prints it) one with the same first three and last two characters.
#include <string>
#include <string_view>
#include <vector>

namespace meridian::host {

// Upper-cases ASCII letters only: the bytes of UTF-8 text (Devanagari,
// Tamil ...) are all above 0x7F and stay as typed.
void foldCaseInPlace(std::string& text);
std::string foldCase(std::string_view text);

class SearchBox {
 public:
  SearchBox(std::string_view box, bool panColumn);
  // An empty box matches every cell.
  bool matchesAll() const { return rule_ == Rule::all; }
  bool matches(std::string_view cell) const;
  // The same answer for a cell already passed through foldCase.
  bool matchesFolded(std::string_view foldedCell) const;
  // True when every cell this box matches, `before` matched too: the rows
  // it shows can be found among the rows `before` showed.
  bool narrows(const SearchBox& before) const;

 private:
  enum class Rule { all, prefix, contains, acknowledgementPan, intimationPan };
  Rule rule_ = Rule::all;
  std::string text_;  // upper-cased; for "contains" without its "%"
};

// The non-empty boxes of a list, each with the column it searches.
class RowFilter {
 public:
  // boxes[c] searches column c; the column whose title is "PAN" reads masked PANs.
  RowFilter(const std::vector<std::string>& titles, const std::vector<std::string>& boxes);
  // False when every box is empty: every row is shown.
  bool active() const { return !boxes_.empty(); }
  // True when every box matches its column's cell; cellOf(column) gives the
  // row's text in a column.
  template <class CellOf>
  bool matches(CellOf cellOf) const {
    for (const auto& [column, box] : boxes_)
      if (!box.matches(cellOf(column))) return false;
    return true;
  }
  // The non-empty boxes, each with its column.
  const std::vector<std::pair<int, SearchBox>>& boxes() const { return boxes_; }
  // True when every row this filter shows, `before` showed too (a text
  // typed further, a box filled in): a keystroke then searches only the
  // rows already shown.
  bool narrows(const RowFilter& before) const;

 private:
  std::vector<std::pair<int, SearchBox>> boxes_;
};

}  // namespace meridian::host
