#pragma once
// Rows written by table name and (column, value) pairs, every value bound.
// Table and column names come from the program, never from a user; a name
// that is not a plain identifier is refused before any SQL is built, and
// names are quoted, so a column may be called `range`.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/connection.h"

namespace meridian::db {

using Pairs = std::vector<std::pair<std::string, Value>>;

// INSERT of the pairs; returns the rows written (1).
long long insertRow(Connection& conn, std::string_view table, const Pairs& values);
// UPDATE of `set` on the rows matching every `where` pair; returns the rows changed.
long long updateWhere(Connection& conn, std::string_view table, const Pairs& set, const Pairs& where);
// The row with the keys gets the values: an UPDATE when it is there, else an
// INSERT of keys and values; in one transaction.
void upsertRow(Connection& conn, std::string_view table, const Pairs& keys, const Pairs& values);
// SELECT * of the rows matching every pair, ordered by the columns given.
RecordSet selectWhere(Connection& conn, std::string_view table, const Pairs& where,
                      const std::vector<std::string>& orderBy = {});
// DELETE of the rows matching every pair; an empty condition is refused
// rather than emptying the table.
long long deleteWhere(Connection& conn, std::string_view table, const Pairs& where);

}  // namespace meridian::db
