#include "db/rows.h"

#include <stdexcept>

namespace meridian::db {
namespace {

std::string quoted(std::string_view name) {
  bool plain = !name.empty() && !(name[0] >= '0' && name[0] <= '9');
  for (char c : name)
    plain = plain && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
  if (!plain) throw std::logic_error("not a table or column name: " + std::string(name));
  return "`" + std::string(name) + "`";
}

// "`a` = ?<sep>`b` = ?", with the values appended to `params`.
std::string assignments(const Pairs& pairs, const char* separator, Params& params) {
  std::string out;
  for (const auto& [column, value] : pairs) {
    if (!out.empty()) out += separator;
    out += quoted(column) + " = ?";
    params.push_back(value);
  }
  return out;
}

}  // namespace

long long insertRow(Connection& conn, std::string_view table, const Pairs& values) {
  if (values.empty()) throw std::logic_error("a row of " + std::string(table) + " is written without values");
  std::string names, marks;
  Params params;
  for (const auto& [column, value] : values) {
    names += (names.empty() ? "" : ", ") + quoted(column);
    marks += marks.empty() ? "?" : ", ?";
    params.push_back(value);
  }
  return conn.execute("INSERT INTO " + quoted(table) + " (" + names + ") VALUES (" + marks + ")", params);
}

long long updateWhere(Connection& conn, std::string_view table, const Pairs& set, const Pairs& where) {
  if (set.empty() || where.empty()) throw std::logic_error("an update of " + std::string(table) + " lacks values or a condition");
  Params params;
  const std::string sets = assignments(set, ", ", params);
  const std::string condition = assignments(where, " AND ", params);
  return conn.execute("UPDATE " + quoted(table) + " SET " + sets + " WHERE " + condition, params);
}

void upsertRow(Connection& conn, std::string_view table, const Pairs& keys, const Pairs& values) {
  if (keys.empty()) throw std::logic_error("a row of " + std::string(table) + " is written without its key");
  auto tx = conn.begin();
  Params params;
  const std::string condition = assignments(keys, " AND ", params);
  if (conn.exists("SELECT 1 FROM " + quoted(table) + " WHERE " + condition, params)) {
    if (!values.empty()) updateWhere(conn, table, values, keys);
  } else {
    Pairs all = keys;
    all.insert(all.end(), values.begin(), values.end());
    insertRow(conn, table, all);
  }
  tx.commit();
}

RecordSet selectWhere(Connection& conn, std::string_view table, const Pairs& where,
                      const std::vector<std::string>& orderBy) {
  Params params;
  std::string sql = "SELECT * FROM " + quoted(table);
  if (!where.empty()) sql += " WHERE " + assignments(where, " AND ", params);
  for (size_t i = 0; i < orderBy.size(); ++i) sql += (i == 0 ? " ORDER BY " : ", ") + quoted(orderBy[i]);
  return conn.query(sql, params);
}

long long deleteWhere(Connection& conn, std::string_view table, const Pairs& where) {
  if (where.empty()) throw std::logic_error("a delete from " + std::string(table) + " without a condition");
  Params params;
  const std::string condition = assignments(where, " AND ", params);
  return conn.execute("DELETE FROM " + quoted(table) + " WHERE " + condition, params);
}

}  // namespace meridian::db
