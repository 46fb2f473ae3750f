#pragma once
// Backups of the practice's database and their restore. An SQLite database
// is copied through SQLite's online backup (a plain database file); a MariaDB
// database, or any database on request, is written as a dump taken in one
// consistent read. Either restores into an empty database, and a dump into
// either engine.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/backup_dump.h"

namespace meridian::suite {

// Takes a backup into dir (created if need be) and returns its path:
// meridian-YYYYMMDD-HHMMSS.db or .mdump.gz, by the local time `when`.
std::filesystem::path takeBackup(db::Connection& conn, const std::filesystem::path& dir, bool asDump = false,
                                 std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

// The complete backups in dir, oldest first.
std::vector<std::filesystem::path> backupsIn(const std::filesystem::path& dir);
// Whether dir holds a backup taken on the local day of `when`.
bool hasBackupOfDay(const std::filesystem::path& dir, std::chrono::system_clock::time_point when);
// Deletes all but the newest `keep` backups; returns how many went.
size_t pruneBackups(const std::filesystem::path& dir, size_t keep);

// Restores the backup into the database at `url`, which must hold nothing
// yet (a missing SQLite file, or a MariaDB database without tables); the
// schema is then brought up to this program's. Throws with one clear line.
DumpCounts restoreBackup(const std::filesystem::path& file, const std::string& url);

}  // namespace meridian::suite
