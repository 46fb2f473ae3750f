#pragma once
// What the database itself says about a table's columns, on either engine:
// the data-set copy takes its column lists from here, never from a list
// written into the program, so a column added by a later migration travels too.
#include <string>
#include <string_view>
#include <vector>

#include "db/connection.h"

namespace meridian::db {

struct ColumnInfo {
  std::string name;          // lower-case
  std::string declaredType;  // upper-case, as declared ("VARCHAR(80)", "INTEGER", "BIGINT")
  bool autoNumbered = false; // the database assigns it (a copy must leave it out)

  bool isText() const;
};

// The columns of a table in their declared order; empty when there is no such table.
std::vector<ColumnInfo> tableColumns(Connection& conn, std::string_view table);

// True when rows of the table take part in transactions (always on SQLite; on
// MariaDB only for a transactional storage engine such as InnoDB).
bool transactionalTable(Connection& conn, std::string_view table);

}  // namespace meridian::db
