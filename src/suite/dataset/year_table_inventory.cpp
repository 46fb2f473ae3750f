#include "suite/dataset/year_table_inventory.h"

#include <set>
#include <stdexcept>

#include "common/embedded_files.h"

namespace meridian::suite::dataset {
namespace {

std::vector<std::string> split(std::string_view text, char sep) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(sep, start);
    out.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return out;
    start = end + 1;
  }
}

// Names go into SQL text as identifiers, so only plain lower-case names pass.
bool plainName(const std::string& s) {
  if (s.empty() || s.size() > 64) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

}  // namespace

std::vector<YearTable> parseYearTables(std::string_view csv) {
  std::vector<YearTable> out;
  std::set<std::string> seen;
  const auto lines = split(csv, '\n');
  for (size_t i = 1; i < lines.size(); ++i) {
    std::string line = lines[i];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::string where = "year table list line " + std::to_string(i + 1) + ": ";
    const auto f = split(line, ',');
    if (f.size() != 6) throw std::runtime_error(where + "expected 6 fields, found " + std::to_string(f.size()));
    YearTable t;
    t.name = f[0];
    t.yearColumn = f[1];
    if (!plainName(t.name) || !plainName(t.yearColumn))
      throw std::runtime_error(where + "table and year column must be lower-case names");
    if (!seen.insert(t.name).second) throw std::runtime_error(where + t.name + " is listed twice");
    if (f[5] == "data_set")
      t.role = TableRole::dataSet;
    else if (f[5] == "client")
      t.role = TableRole::client;
    else
      throw std::runtime_error(where + "role must be data_set or client, not \"" + f[5] + "\"");
    if (f[2] == "number")
      t.yearType = YearType::number;
    else if (f[2] == "text")
      t.yearType = YearType::text;
    else if (!(f[2].empty() && t.role == TableRole::client))
      throw std::runtime_error(where + "year type must be number or text, not \"" + f[2] + "\"");
    t.filterColumn = f[3];
    if (!t.filterColumn.empty()) {
      if (!plainName(t.filterColumn)) throw std::runtime_error(where + "filter column must be a lower-case name");
      t.filterValues = split(f[4], '|');
      for (const auto& v : t.filterValues)
        if (v.empty()) throw std::runtime_error(where + "empty filter value");
    } else if (!f[4].empty()) {
      throw std::runtime_error(where + "filter values without a filter column");
    }
    out.push_back(std::move(t));
  }
  return out;
}

const std::vector<YearTable>& yearTableInventory() {
  static const std::vector<YearTable> list = [] {
    auto bytes = embedded::find("data/year_tables.csv");
    if (!bytes) throw std::runtime_error("the program carries no data/year_tables.csv");
    return parseYearTables(*bytes);
  }();
  return list;
}

const std::vector<std::string>& yearColumnNames() {
  static const std::vector<std::string> names = {"ass_year", "assyear", "asyear", "t_year", "tyear", "yr"};
  return names;
}

}  // namespace meridian::suite::dataset
