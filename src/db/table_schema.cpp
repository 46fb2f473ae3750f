#include "db/table_schema.h"

#include <algorithm>
#include <cctype>

namespace meridian::db {
namespace {

std::string lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

std::string uppered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

}  // namespace

bool ColumnInfo::isText() const {
  for (const char* word : {"CHAR", "TEXT", "CLOB"})
    if (declaredType.find(word) != std::string::npos) return true;
  return false;
}

std::vector<ColumnInfo> tableColumns(Connection& conn, std::string_view table) {
  std::vector<ColumnInfo> out;
  if (conn.engine() == Engine::sqlite) {
    const RecordSet rs = conn.query("SELECT name, type, pk FROM pragma_table_info(?) ORDER BY cid", {std::string(table)});
    int keyColumns = 0;
    for (const Row& r : rs) keyColumns += r.integer("pk") > 0 ? 1 : 0;
    for (const Row& r : rs) {
      ColumnInfo c{lowered(r.text("name")), uppered(r.text("type"))};
      // A lone INTEGER PRIMARY KEY is SQLite's row number: the database numbers it.
      c.autoNumbered = keyColumns == 1 && r.integer("pk") == 1 && c.declaredType == "INTEGER";
      out.push_back(std::move(c));
    }
  } else {
    const RecordSet rs = conn.query(
        "SELECT column_name, column_type, extra FROM information_schema.columns "
        "WHERE table_schema = DATABASE() AND table_name = ? ORDER BY ordinal_position",
        {std::string(table)});
    for (const Row& r : rs) {
      ColumnInfo c{lowered(r.text(0)), uppered(r.text(1))};
      c.autoNumbered = lowered(r.text(2)).find("auto_increment") != std::string::npos;
      out.push_back(std::move(c));
    }
  }
  return out;
}

bool transactionalTable(Connection& conn, std::string_view table) {
  if (conn.engine() == Engine::sqlite) return true;
  const std::string engine = conn.scalar(
      "SELECT engine FROM information_schema.tables WHERE table_schema = DATABASE() AND table_name = ?",
      {std::string(table)});
  return uppered(engine) == "INNODB";
}

}  // namespace meridian::db
