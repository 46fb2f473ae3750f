#include "host/due_date_store.h"

#include <algorithm>
#include <stdexcept>

#include "common/csv.h"
#include "common/embedded_files.h"
#include "db/rows.h"
#include "host/due_date_categories.h"

namespace meridian::host {
namespace {

const char* const kUserEntered = "user";

DueDateRow rowFrom(const db::Row& r) {
  DueDateRow d;
  d.statc = static_cast<int>(r.integer("statc"));
  d.dueDt = r.text("duedt");
  d.revDueDt = r.text("revduedt");
  d.notification = r.text("notification");
  d.sourceUrl = r.text("source_url");
  d.confidence = r.text("confidence");
  return d;
}

}  // namespace

std::vector<db::Migration> dueDateMigrations() {
  return {
      {200, "due-date masters",
       {
           "CREATE TABLE duedt_master (assyear INTEGER NOT NULL, statc INTEGER NOT NULL, "
           "duedt VARCHAR(10) NOT NULL DEFAULT '', revduedt VARCHAR(10) NOT NULL DEFAULT '', "
           "notification VARCHAR(255) NOT NULL DEFAULT '', source_url VARCHAR(500) NOT NULL DEFAULT '', "
           "confidence VARCHAR(16) NOT NULL DEFAULT '', PRIMARY KEY (assyear, statc))",
           "CREATE TABLE advtaxduedt (assyear INTEGER NOT NULL PRIMARY KEY, duedt1 VARCHAR(10) NOT NULL DEFAULT '', "
           "duedt2 VARCHAR(10) NOT NULL DEFAULT '', duedt3 VARCHAR(10) NOT NULL DEFAULT '', "
           "duedt4 VARCHAR(10) NOT NULL DEFAULT '')",
       }},
      {201, "statutory due dates of A.Y. 1992-93 to 2017-18", {}, seedDueDates},
  };
}

void seedDueDates(db::Connection& conn) {
  auto bytes = embedded::find("data/due_dates.csv");
  if (!bytes) throw std::runtime_error("the program carries no data/due_dates.csv");
  auto rows = parseCsv(*bytes);
  if (rows.empty()) throw std::runtime_error("data/due_dates.csv is empty");
  const auto& head = rows.front();
  auto col = [&](const std::string& name) {
    auto it = std::find(head.begin(), head.end(), name);
    if (it == head.end()) throw std::runtime_error("data/due_dates.csv has no column " + name);
    return static_cast<size_t>(it - head.begin());
  };
  const size_t year = col("assess_year"), statc = col("statc"), due = col("due_dt"), rev = col("rev_due_dt"),
               note = col("notification"), url = col("source_url"), conf = col("confidence");
  auto tx = conn.begin();
  for (size_t i = 1; i < rows.size(); ++i) {
    const auto& r = rows[i];
    if (r.size() != head.size())
      throw std::runtime_error("data/due_dates.csv line " + std::to_string(i + 1) + " has " +
                               std::to_string(r.size()) + " fields");
    db::insertRow(conn, "duedt_master",
                  {{"assyear", std::stoi(r[year])}, {"statc", std::stoi(r[statc])}, {"duedt", r[due]}, {"revduedt", r[rev]},
                   {"notification", r[note]}, {"source_url", r[url]}, {"confidence", r[conf]}});
  }
  tx.commit();
}

std::map<int, DueDateRow> readDueDates(db::Connection& conn, int year) {
  std::vector<DueDateRow> stored;
  for (const auto& r : conn.query("SELECT * FROM duedt_master WHERE assyear = ? ORDER BY statc", {year}))
    stored.push_back(rowFrom(r));
  std::map<int, DueDateRow> out;
  if (stored.empty()) return out;
  const int storedMax = stored.back().statc;
  if (!isLegacyLayout(year, storedMax)) {
    for (auto& d : stored) out[d.statc] = std::move(d);
    return out;
  }
  for (const auto& d : stored)
    for (int current : currentStatcsFor(year, storedMax, d.statc)) {
      DueDateRow mapped = d;
      mapped.statc = current;
      out[current] = std::move(mapped);
    }
  return out;
}

std::optional<std::array<std::string, 4>> readInstalments(db::Connection& conn, int year) {
  auto rs = conn.query("SELECT duedt1, duedt2, duedt3, duedt4 FROM advtaxduedt WHERE assyear = ?", {year});
  if (rs.empty()) return std::nullopt;
  const auto& r = rs.front();
  return std::array<std::string, 4>{r.text(0), r.text(1), r.text(2), r.text(3)};
}

std::vector<DueDateRow> writeDueDates(db::Connection& conn, int year, const std::vector<DueDateRow>& rows) {
  auto tx = conn.begin();
  // Read inside the transaction: the sources of rows the user left as they were are kept.
  const auto before = readDueDates(conn, year);
  db::deleteWhere(conn, "duedt_master", {{"assyear", year}});
  std::vector<DueDateRow> written;
  for (DueDateRow row : rows) {
    row.sourceUrl.clear();
    row.confidence = kUserEntered;
    auto it = before.find(row.statc);
    if (it != before.end() && it->second.dueDt == row.dueDt && it->second.revDueDt == row.revDueDt) {
      row.sourceUrl = it->second.sourceUrl;
      row.confidence = it->second.confidence;
    }
    db::insertRow(conn, "duedt_master",
                  {{"assyear", year}, {"statc", row.statc}, {"duedt", row.dueDt}, {"revduedt", row.revDueDt},
                   {"notification", row.notification}, {"source_url", row.sourceUrl}, {"confidence", row.confidence}});
    written.push_back(std::move(row));
  }
  tx.commit();
  return written;
}

void writeInstalments(db::Connection& conn, int year, const std::array<std::string, 4>& dates) {
  auto tx = conn.begin();
  db::deleteWhere(conn, "advtaxduedt", {{"assyear", year}});
  if (dates != defaultInstalments(year))
    db::insertRow(conn, "advtaxduedt",
                  {{"assyear", year}, {"duedt1", dates[0]}, {"duedt2", dates[1]}, {"duedt3", dates[2]}, {"duedt4", dates[3]}});
  tx.commit();
}

namespace {
const db::MigrationRegistration registered{dueDateMigrations};
}  // namespace

}  // namespace meridian::host
