#include "suite/shipped_table.h"

#include <stdexcept>

#include "common/csv.h"
#include "common/embedded_files.h"

namespace meridian::suite {

std::vector<std::vector<std::string>> shippedRows(std::string_view csv, const std::vector<std::string>& titles,
                                                  const std::string& list) {
  auto rows = parseCsv(csv);
  if (rows.empty() || rows.front() != titles) throw std::runtime_error(list + ": the first line must be the column titles");
  std::vector<std::vector<std::string>> out;
  for (size_t i = 1; i < rows.size(); ++i) {
    if (rows[i].size() == 1 && rows[i][0].empty()) continue;
    if (rows[i].size() != titles.size())
      throw std::runtime_error(list + " line " + std::to_string(i + 1) + ": expected " + std::to_string(titles.size()) +
                               " fields");
    out.push_back(rows[i]);
  }
  return out;
}

int yearField(const std::string& text, const std::string& where) {
  try {
    size_t used = 0;
    const int y = std::stoi(text, &used);
    if (used == text.size() && y >= 1950 && y <= 2100) return y;
  } catch (const std::exception&) {
  }
  throw std::runtime_error(where + "\"" + text + "\" is not a year such as 2016");
}

bool yesNoField(const std::string& text, const std::string& where) {
  if (text == "yes") return true;
  if (text == "no") return false;
  throw std::runtime_error(where + "expected yes or no, not \"" + text + "\"");
}

std::string shippedText(const char* path) {
  auto bytes = embedded::find(path);
  if (!bytes) throw std::runtime_error(std::string("the program carries no ") + path);
  return std::string(*bytes);
}

}  // namespace meridian::suite
