#pragma once
// The year table list held against the database: which listed tables exist,
// the columns a copy carries for each, and what does not agree with the list.
#include <memory>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/dataset/year_table_inventory.h"

namespace meridian::suite::dataset {

struct PresentTable {
  YearTable table;
  std::vector<std::string> copyColumns;  // every column the database does not number itself
};

struct DataSetLayout {
  std::vector<PresentTable> tables;  // data-set tables that exist, in list order
  std::vector<std::string> absent;   // listed data-set tables no module has created yet
  std::vector<std::string> problems; // one plain sentence per disagreement
};

// Compares the list with the database's tables and columns.
DataSetLayout readLayout(db::Connection& conn, const std::vector<YearTable>& inventory);

// The layout of the database the connection reaches, read once and kept:
// the schema changes only through migrations, which run before the first use.
std::shared_ptr<const DataSetLayout> currentLayout(db::Connection& conn);

// Reads the layout again (after a migration, or a test creating tables), keeps
// it, and throws std::runtime_error listing every problem when there are any.
std::shared_ptr<const DataSetLayout> checkLayout(db::Connection& conn);

}  // namespace meridian::suite::dataset
