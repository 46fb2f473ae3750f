#pragma once
// The due-date masters in the database: `duedt_master` (one row per A.Y. and
// category) and `advtaxduedt` (one row per A.Y. whose instalment dates are not
// the statutory ones). Dates are kept as dd/mm/yyyy text, as they are shown.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/migrations.h"

namespace meridian::host {

struct DueDateRow {
  int statc = 0;
  std::string dueDt, revDueDt, notification;
  // Where a shipped date came from; empty for dates a user entered.
  std::string sourceUrl, confidence;
};

// Tables (200) and the shipped statutory dates (201).
std::vector<db::Migration> dueDateMigrations();

// Writes the rows of data/due_dates.csv; the migration runs it once.
void seedDueDates(db::Connection& conn);

// The stored rows of an A.Y. by the StatC of the year's current category list;
// rows stored in an earlier layout are mapped onto it (see due_date_categories).
std::map<int, DueDateRow> readDueDates(db::Connection& conn, int year);

// The stored instalment dates of an A.Y.; nullopt when the year keeps the
// statutory dates.
std::optional<std::array<std::string, 4>> readInstalments(db::Connection& conn, int year);

// Replaces the rows of the A.Y. in one transaction. A row whose dates are
// those already stored keeps its source; a changed one is marked as the
// user's. Returns the rows as written, sources included.
std::vector<DueDateRow> writeDueDates(db::Connection& conn, int year, const std::vector<DueDateRow>& rows);
// Replaces the instalment row of the A.Y. in one transaction; no row is kept
// when the dates are the statutory ones.
void writeInstalments(db::Connection& conn, int year, const std::array<std::string, 4>& dates);

}  // namespace meridian::host
