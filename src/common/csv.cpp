#include "common/csv.h"

#include <stdexcept>

namespace meridian {

std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  bool quoted = false, fieldStarted = false;
  auto endField = [&] {
    row.push_back(std::move(field));
    field.clear();
    fieldStarted = false;
  };
  auto endRow = [&] {
    endField();
    // A blank line (or the end of a file that ends in a line break) is no row.
    if (!(row.size() == 1 && row[0].empty())) rows.push_back(std::move(row));
    row.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c != '"') field.push_back(c);
      else if (i + 1 < text.size() && text[i + 1] == '"') field.push_back('"'), ++i;
      else quoted = false;
    } else if (c == '"' && !fieldStarted) {
      quoted = fieldStarted = true;
    } else if (c == ',') {
      endField();
    } else if (c == '\n') {
      endRow();
    } else if (c != '\r') {
      field.push_back(c);
      fieldStarted = true;
    }
  }
  if (quoted) throw std::runtime_error("comma-separated text ends inside a quoted field");
  if (fieldStarted || !row.empty()) endRow();
  return rows;
}

}  // namespace meridian
