#pragma once
// A page-by-page copy of an SQLite database through SQLite's online backup
// interface: a consistent picture of the database as of one moment, taken
// while others go on writing to it.
#include <string>

namespace meridian::db {

// Copies the database file `from` into `to` (created or overwritten); throws
// DbError with one clear line when it cannot.
void copySqliteDatabase(const std::string& from, const std::string& to);

}  // namespace meridian::db
