#include "db/sqlite_copy.h"

#include <sqlite3.h>

#include "db/connection.h"

namespace meridian::db {
namespace {

struct Handle {
  sqlite3* db = nullptr;
  ~Handle() {
    if (db) sqlite3_close(db);
  }
};

void openOrThrow(Handle& h, const std::string& path, int flags, const char* role) {
  if (sqlite3_open_v2(path.c_str(), &h.db, flags, nullptr) != SQLITE_OK)
    throw DbError(std::string("cannot open the ") + role + " database " + path + ": " +
                      (h.db ? sqlite3_errmsg(h.db) : "out of memory"),
                  DbFailure::unreachable);
  sqlite3_busy_timeout(h.db, 10000);
}

}  // namespace

void copySqliteDatabase(const std::string& from, const std::string& to) {
  Handle source, target;
  openOrThrow(source, from, SQLITE_OPEN_READONLY, "source");
  openOrThrow(target, to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, "target");
  sqlite3_backup* copy = sqlite3_backup_init(target.db, "main", source.db, "main");
  if (!copy) throw DbError(std::string("cannot start the copy: ") + sqlite3_errmsg(target.db));
  // All pages in one step: the source is read under one read lock, so the
  // copy is of one moment even while other sessions write.
  int rc;
  while ((rc = sqlite3_backup_step(copy, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(50);
  sqlite3_backup_finish(copy);
  if (rc != SQLITE_DONE)
    throw DbError(std::string("the copy of ") + from + " failed: " + sqlite3_errstr(rc),
                  rc == SQLITE_FULL ? DbFailure::full : DbFailure::other);
  // The copy is one file by itself, with no journal beside it.
  sqlite3_exec(target.db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
}

}  // namespace meridian::db
