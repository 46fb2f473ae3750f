#include "db/sql_error.h"

#include <soci/mysql/soci-mysql.h>
#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>

#include <map>

namespace meridian::db {
namespace {

DbFailure sqliteKind(int result) {
  switch (result & 0xff) {
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
      return DbFailure::busy;
    case 8:   // SQLITE_READONLY
      return DbFailure::readOnly;
    case 13:  // SQLITE_FULL
      return DbFailure::full;
    case 19:  // SQLITE_CONSTRAINT
      return DbFailure::conflict;
    case 14:  // SQLITE_CANTOPEN
    case 26:  // SQLITE_NOTADB
      return DbFailure::unreachable;
    default:
      return DbFailure::other;
  }
}

DbFailure mysqlKind(unsigned number) {
  static const std::map<unsigned, DbFailure> kinds = {
      {2002, DbFailure::unreachable}, {2003, DbFailure::unreachable}, {2006, DbFailure::unreachable},
      {2013, DbFailure::unreachable}, {2055, DbFailure::unreachable}, {1927, DbFailure::unreachable},
      {4031, DbFailure::unreachable}, {1053, DbFailure::unreachable}, {1062, DbFailure::conflict},
      {1451, DbFailure::conflict},    {1452, DbFailure::conflict},    {1048, DbFailure::conflict},
      {1205, DbFailure::busy},        {1213, DbFailure::busy},        {1290, DbFailure::readOnly},
      {1036, DbFailure::readOnly},    {1021, DbFailure::full},        {1114, DbFailure::full}};
  auto it = kinds.find(number);
  return it == kinds.end() ? DbFailure::other : it->second;
}

}  // namespace

std::string withoutQuotedValues(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool quoted = false;
  for (char c : text) {
    if (c == '\'') {
      out += quoted ? "'" : "'...";
      quoted = !quoted;
    } else if (!quoted) {
      out.push_back(c);
    }
  }
  if (quoted) out += "'";
  return out;
}

DbError sqlError(const soci::soci_error& e, std::string_view sql) {
  DbFailure kind = DbFailure::other;
  if (auto* lite = dynamic_cast<const soci::sqlite3_soci_error*>(&e)) kind = sqliteKind(lite->result());
  else if (auto* my = dynamic_cast<const soci::mysql_soci_error*>(&e)) kind = mysqlKind(my->err_num_);
  else if (e.get_error_category() == soci::soci_error::connection_error) kind = DbFailure::unreachable;
  return DbError(withoutQuotedValues(e.get_error_message()) + " [" + withoutQuotedValues(sql.substr(0, 200)) + "]", kind);
}

}  // namespace meridian::db
