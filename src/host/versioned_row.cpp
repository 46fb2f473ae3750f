#include "host/versioned_row.h"

#include "db/connection.h"

namespace meridian::host {

long long rowVersion(const db::Row& row) { return row.has("row_version") ? row.integer("row_version") : 0; }

std::optional<long long> currentVersion(db::Connection& conn, const std::string& table, const db::Pairs& keys) {
  std::string where;
  db::Params params;
  for (const auto& [column, value] : keys) {
    where += (where.empty() ? "" : " AND ") + column + " = ?";  // names from the program
    params.push_back(value);
  }
  auto rs = conn.query("SELECT row_version FROM " + table + " WHERE " + where, params);
  if (rs.empty()) return std::nullopt;
  return rs.front().integer("row_version");
}

RowChange updateIfUnchanged(db::Connection& conn, const std::string& table, const db::Pairs& values,
                            const db::Pairs& keys, long long versionRead) {
  db::Pairs set = values;
  set.emplace_back("row_version", versionRead + 1);
  db::Pairs where = keys;
  where.emplace_back("row_version", versionRead);
  if (db::updateWhere(conn, table, set, where) == 1) return RowChange::none;
  return currentVersion(conn, table, keys) ? RowChange::changed : RowChange::gone;
}

}  // namespace meridian::host
