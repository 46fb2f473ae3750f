#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {

db::Pairs rowsOf(const YearTable& t, const std::string& code, int year, const db::Pairs& also) {
  db::Pairs where{{"code_no", code},
                  {t.yearColumn, t.yearAsText ? db::Value(std::to_string(year)) : db::Value(year)}};
  where.insert(where.end(), t.fixed.begin(), t.fixed.end());
  where.insert(where.end(), also.begin(), also.end());
  return where;
}

db::RecordSet readRows(db::Connection& conn, const YearTable& t, const std::string& code, int year,
                       const db::Pairs& also) {
  std::vector<std::string> order;
  if (!t.serialColumn.empty()) order.push_back(t.serialColumn);
  return db::selectWhere(conn, t.table, rowsOf(t, code, year, also), order);
}

void insertRows(db::Connection& conn, const YearTable& t, const std::string& code, int year,
                const std::vector<db::Pairs>& rows, const db::Pairs& also) {
  const db::Pairs where = rowsOf(t, code, year, also);
  int serial = 0;
  for (const auto& values : rows) {
    db::Pairs row = where;
    if (!t.serialColumn.empty()) row.emplace_back(t.serialColumn, ++serial);
    row.insert(row.end(), values.begin(), values.end());
    db::insertRow(conn, t.table, row);
  }
}

void replaceRows(db::Connection& conn, const YearTable& t, const std::string& code, int year,
                 const std::vector<db::Pairs>& rows, const db::Pairs& also) {
  db::deleteWhere(conn, t.table, rowsOf(t, code, year, also));
  insertRows(conn, t, code, year, rows, also);
}

}  // namespace meridian::suite::heads
