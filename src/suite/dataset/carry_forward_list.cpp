#include "suite/dataset/carry_forward_list.h"

#include <map>
#include <set>
#include <stdexcept>

#include "common/csv.h"
#include "common/embedded_files.h"

namespace meridian::suite::dataset {
namespace {

// Names go into SQL text as identifiers, so only plain lower-case names pass.
bool plainName(const std::string& s) {
  if (s.empty() || s.size() > 64) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

std::vector<std::string> splitBars(const std::string& text) {
  std::vector<std::string> out;
  if (text.empty()) return out;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find('|', start);
    out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return out;
    start = end + 1;
  }
}

// The data rows of a list whose first row must be the given header.
std::vector<std::vector<std::string>> rowsUnder(std::string_view csv, const std::vector<std::string>& header,
                                                const std::string& list) {
  auto rows = parseCsv(csv);
  if (rows.empty() || rows.front() != header) throw std::runtime_error(list + ": the first line must be the column titles");
  rows.erase(rows.begin());
  return rows;
}

std::string lineOf(const std::string& list, size_t index) {
  return list + " line " + std::to_string(index + 2) + ": ";
}

std::string bytesOf(const char* path) {
  auto bytes = embedded::find(path);
  if (!bytes) throw std::runtime_error(std::string("the program carries no ") + path);
  return std::string(*bytes);
}

}  // namespace

std::vector<CarriedHead> parseCarryForward(std::string_view csv) {
  const std::string list = "carry_forward.csv";
  const auto rows = rowsUnder(
      csv, {"head", "part", "table", "order_column", "year_column", "figures", "count_column"}, list);
  std::vector<CarriedHead> heads;
  std::map<std::string, size_t> byKey;
  std::set<std::string> tables;
  std::set<std::string> withOwnTable;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& f = rows[i];
    if (f.size() == 1 && f[0].empty()) continue;
    const std::string where = lineOf(list, i);
    if (f.size() != 7) throw std::runtime_error(where + "expected 7 fields, found " + std::to_string(f.size()));
    CarriedTable t{f[2], f[3], f[4], splitBars(f[5]), f[6]};
    if (!plainName(f[0])) throw std::runtime_error(where + "the head must be a lower-case name");
    if (!plainName(t.table) || !plainName(t.yearColumn))
      throw std::runtime_error(where + "table and year column must be lower-case names");
    for (const std::string* name : {&t.orderColumn, &t.countColumn})
      if (!name->empty() && !plainName(*name))
        throw std::runtime_error(where + "order and count columns must be lower-case names");
    for (const auto& figure : t.figures) {
      if (!plainName(figure)) throw std::runtime_error(where + "figure columns must be lower-case names");
      if (figure == "code_no" || figure == t.yearColumn || figure == t.orderColumn)
        throw std::runtime_error(where + figure + " cannot be a figure column");
    }
    if (!tables.insert(t.table).second) throw std::runtime_error(where + t.table + " is listed twice");
    auto [at, added] = byKey.emplace(f[0], heads.size());
    if (added) heads.push_back({f[0], {}, {}});
    CarriedHead& head = heads[at->second];
    if (f[1] == "head") {
      if (!withOwnTable.insert(head.key).second)
        throw std::runtime_error(where + "the head " + head.key + " has a second head table");
      head.own = std::move(t);
    } else if (f[1] == "detail") {
      if (!t.countColumn.empty()) throw std::runtime_error(where + "only a head table has a count column");
      head.details.push_back(std::move(t));
    } else {
      throw std::runtime_error(where + "part must be head or detail, not \"" + f[1] + "\"");
    }
  }
  for (const auto& h : heads)
    if (!withOwnTable.count(h.key)) throw std::runtime_error(list + ": the head " + h.key + " has no head table");
  return heads;
}

std::vector<HeadCaption> parseHeadCaptions(std::string_view csv) {
  const std::string list = "carry_forward_captions.csv";
  const auto rows = rowsUnder(csv, {"head", "from_year", "caption"}, list);
  std::vector<HeadCaption> out;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& f = rows[i];
    if (f.size() == 1 && f[0].empty()) continue;
    const std::string where = lineOf(list, i);
    if (f.size() != 3) throw std::runtime_error(where + "expected 3 fields, found " + std::to_string(f.size()));
    HeadCaption c{f[0], 0, f[2]};
    try {
      size_t used = 0;
      c.fromYear = std::stoi(f[1], &used);
      if (used != f[1].size()) throw std::invalid_argument(f[1]);
    } catch (const std::exception&) {
      throw std::runtime_error(where + "from_year must be a year such as 2016");
    }
    if (c.caption.empty()) throw std::runtime_error(where + "empty caption");
    for (const auto& earlier : out)
      if (earlier.key == c.key && earlier.fromYear >= c.fromYear)
        throw std::runtime_error(where + "the captions of a head must be in year order");
    out.push_back(std::move(c));
  }
  return out;
}

std::vector<std::string> carryForwardProblems(const std::vector<CarriedHead>& heads,
                                              const std::vector<YearTable>& inventory) {
  std::vector<std::string> problems;
  auto check = [&](const CarriedTable& t) {
    for (const auto& y : inventory) {
      if (y.name != t.table) continue;
      if (y.role != TableRole::dataSet)
        problems.push_back(t.table + " is a client table in year_tables.csv, not part of a data set");
      else if (y.yearColumn != t.yearColumn)
        problems.push_back(t.table + ": year column " + t.yearColumn + ", but year_tables.csv says " + y.yearColumn);
      return;
    }
    problems.push_back(t.table + " is not listed in year_tables.csv");
  };
  for (const auto& h : heads) {
    check(h.own);
    for (const auto& d : h.details) check(d);
  }
  return problems;
}

const std::vector<CarriedHead>& carryForwardList() {
  static const std::vector<CarriedHead> list = [] {
    auto heads = parseCarryForward(bytesOf("data/carry_forward.csv"));
    const auto problems = carryForwardProblems(heads, yearTableInventory());
    if (!problems.empty()) {
      std::string text = "data/carry_forward.csv does not agree with data/year_tables.csv:";
      for (const auto& p : problems) text += "\n  " + p;
      throw std::runtime_error(text);
    }
    return heads;
  }();
  return list;
}

const CarriedHead* carriedHead(const std::string& key) {
  for (const auto& h : carryForwardList())
    if (h.key == key) return &h;
  return nullptr;
}

std::string headCaption(const std::vector<HeadCaption>& captions, const std::string& key, int year) {
  std::string found;
  for (const auto& c : captions)
    if (c.key == key && c.fromYear <= year) found = c.caption;
  // A year before the first line still names the head by its oldest caption.
  if (found.empty())
    for (const auto& c : captions)
      if (c.key == key) return c.caption;
  return found;
}

std::string headCaption(const std::string& key, int year) {
  static const std::vector<HeadCaption> captions = parseHeadCaptions(bytesOf("data/carry_forward_captions.csv"));
  return headCaption(captions, key, year);
}

}  // namespace meridian::suite::dataset
