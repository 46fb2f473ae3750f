#include "suite/heads/row_texts.h"

namespace meridian::suite::heads {

std::string RowTexts::text(std::string_view column) const {
  const int i = grid_.columnIndex(column);
  const GridColumn& c = grid_.columns()[static_cast<size_t>(i)];
  const CellCheck check = checkCell(c.type, static_cast<size_t>(i) < texts_.size() ? texts_[static_cast<size_t>(i)] : "",
                                    c.title);
  return check.accepted ? check.shown : "";
}

Money RowTexts::amount(std::string_view column) const { return amountOf(text(column)); }

std::string RowTexts::code(std::string_view column) const {
  return codeOf(grid_.columns()[static_cast<size_t>(grid_.columnIndex(column))].type, text(column));
}

long long RowTexts::whole(std::string_view column) const {
  const std::string t = text(column);
  return t.empty() ? 0 : std::stoll(t);
}

std::optional<CivilDate> RowTexts::date(std::string_view column) const { return parseDmy(text(column)); }

}  // namespace meridian::suite::heads
