#include "suite/dataset/data_set_layout.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <stdexcept>

#include "db/table_schema.h"

namespace meridian::suite::dataset {
namespace {

std::string lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

const db::ColumnInfo* findColumn(const std::vector<db::ColumnInfo>& cols, const std::string& name) {
  for (const auto& c : cols)
    if (c.name == name) return &c;
  return nullptr;
}

void checkListedTable(db::Connection& conn, const YearTable& t, const std::vector<db::ColumnInfo>& cols,
                      std::vector<std::string>& problems) {
  if (!findColumn(cols, "code_no")) problems.push_back("table " + t.name + " has no code_no column");
  const db::ColumnInfo* year = findColumn(cols, t.yearColumn);
  if (!year) {
    problems.push_back("table " + t.name + " has no year column " + t.yearColumn);
  } else if (t.role == TableRole::dataSet && year->isText() != (t.yearType == YearType::text)) {
    problems.push_back("table " + t.name + ": year column " + t.yearColumn + " holds " +
                       (year->isText() ? "text" : "numbers") + ", but the list says " +
                       (t.yearType == YearType::text ? "text" : "number"));
  }
  if (!t.filterColumn.empty() && !findColumn(cols, t.filterColumn))
    problems.push_back("table " + t.name + " has no filter column " + t.filterColumn);
  if (t.role == TableRole::dataSet && !db::transactionalTable(conn, t.name))
    problems.push_back("table " + t.name + " is not on a transactional storage engine, so a failed copy could not be undone");
}

struct Cache {
  std::mutex mutex;
  std::map<std::string, std::shared_ptr<const DataSetLayout>> byDatabase;
};

Cache& cache() {
  static Cache c;
  return c;
}

std::string databaseKey(db::Connection& conn) { return conn.url().redacted(); }

}  // namespace

DataSetLayout readLayout(db::Connection& conn, const std::vector<YearTable>& inventory) {
  DataSetLayout layout;
  std::map<std::string, std::string> existing;  // lower-case name -> name as the database spells it
  for (const auto& name : conn.tables()) existing.emplace(lowered(name), name);

  std::map<std::string, const YearTable*> listed;
  for (const auto& t : inventory) listed.emplace(t.name, &t);

  for (const auto& t : inventory) {
    auto it = existing.find(t.name);
    if (it == existing.end()) {
      if (t.role == TableRole::dataSet) layout.absent.push_back(t.name);
      continue;
    }
    const auto cols = db::tableColumns(conn, it->second);
    checkListedTable(conn, t, cols, layout.problems);
    if (t.role != TableRole::dataSet) continue;
    PresentTable p{t, {}};
    for (const auto& c : cols)
      if (!c.autoNumbered) p.copyColumns.push_back(c.name);
    layout.tables.push_back(std::move(p));
  }

  // A table keyed by client and year that the list does not name would be
  // left behind by every copy: that is a forgotten entry, not a choice.
  for (const auto& [lower, name] : existing) {
    if (listed.count(lower)) continue;
    const auto cols = db::tableColumns(conn, name);
    if (!findColumn(cols, "code_no")) continue;
    for (const auto& y : yearColumnNames())
      if (findColumn(cols, y)) {
        layout.problems.push_back("table " + lower + " holds rows by code_no and " + y +
                                  " but is not in data/year_tables.csv (as data_set or client)");
        break;
      }
  }
  return layout;
}

std::shared_ptr<const DataSetLayout> currentLayout(db::Connection& conn) {
  const std::string key = databaseKey(conn);
  {
    std::lock_guard lock(cache().mutex);
    auto it = cache().byDatabase.find(key);
    if (it != cache().byDatabase.end()) return it->second;
  }
  auto layout = std::make_shared<const DataSetLayout>(readLayout(conn, yearTableInventory()));
  std::lock_guard lock(cache().mutex);
  return cache().byDatabase.emplace(key, layout).first->second;
}

std::shared_ptr<const DataSetLayout> checkLayout(db::Connection& conn) {
  auto layout = std::make_shared<const DataSetLayout>(readLayout(conn, yearTableInventory()));
  {
    std::lock_guard lock(cache().mutex);
    cache().byDatabase[databaseKey(conn)] = layout;
  }
  if (!layout->problems.empty()) {
    std::string text = "the database does not agree with the list of year tables:";
    for (const auto& p : layout->problems) text += "\n  " + p;
    throw std::runtime_error(text);
  }
  return layout;
}

}  // namespace meridian::suite::dataset
