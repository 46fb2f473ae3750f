#include "suite/backup.h"

#include <algorithm>
#include <ctime>
#include <set>
#include <stdexcept>

#include "db/migrations.h"
#include "db/sqlite_copy.h"

namespace meridian::suite {
namespace fs = std::filesystem;
namespace {

constexpr const char* kPrefix = "meridian-";
constexpr const char* kCopy = ".db";
constexpr const char* kDump = ".mdump.gz";

std::string localStamp(std::chrono::system_clock::time_point when, const char* format) {
  std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, format, &local);
  return buf;
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool isBackupName(const std::string& name) {
  return name.rfind(kPrefix, 0) == 0 && (endsWith(name, kCopy) || endsWith(name, kDump));
}

// An SQLite database to restore into must not exist yet.
void requireNoFile(const db::ConnectionUrl& url) {
  std::error_code ec;
  if (fs::exists(url.path, ec) && fs::file_size(url.path, ec) > 0)
    throw std::runtime_error("the database " + url.path +
                             " exists already: restore into a fresh data folder, or move the present database away first");
  // A journal left by the vanished database must not be read into the restored one.
  for (const char* tail : {"-wal", "-shm"}) {
    const fs::path left = url.path + tail;
    if (fs::exists(left, ec)) fs::rename(left, left.string() + ".left-" + std::to_string(std::time(nullptr)), ec);
  }
}

void emptyAgain(db::Connection& target, const db::ConnectionUrl& url) {
  try {
    if (url.engine == db::Engine::mysql) {
      for (const auto& t : target.tables()) target.execute("DROP TABLE " + t);
      return;
    }
    std::error_code ec;
    for (const char* tail : {"", "-wal", "-shm"}) fs::remove(url.path + tail, ec);
  } catch (...) {
  }
}

void loadDump(const fs::path& file, db::Connection& target, DumpCounts& counts) {
  std::string table;
  std::string insert;
  std::optional<db::Transaction> tx;
  DumpReader reader;
  reader.onHead = [&](const std::vector<int>& versions) {
    const std::set<int> wanted(versions.begin(), versions.end());
    std::set<int> known;
    std::vector<db::Migration> subset;
    for (const auto& m : db::allMigrations()) {
      known.insert(m.version);
      if (wanted.count(m.version)) subset.push_back(m);
    }
    for (int v : wanted)
      if (!known.count(v))
        throw std::runtime_error("the backup was taken by a newer Meridian (its schema has step " + std::to_string(v) +
                                 "): restore it with that version");
    // The schema exactly as it was when the backup was taken.
    db::migrate(target, subset);
  };
  reader.onTable = [&](const std::string& name, const std::vector<std::string>& columns) {
    if (tx) tx->commit();
    tx.reset();
    table = name;
    insert.clear();
    if (name == "schema_migrations") return;  // written by the migrations above
    if (!target.hasTable(name)) throw std::runtime_error("the backup holds a table " + name + " this schema lacks");
    tx.emplace(target.begin());
    // Rows the migrations seeded give way to the backup's.
    target.execute("DELETE FROM " + name);
    std::string names, marks;
    for (const auto& c : columns) {
      names += (names.empty() ? "`" : ", `") + c + "`";  // some columns bear reserved words (range)
      marks += marks.empty() ? "?" : ", ?";
    }
    insert = "INSERT INTO " + name + " (" + names + ") VALUES (" + marks + ")";
  };
  reader.onRow = [&](const std::vector<std::optional<std::string>>& row) {
    if (insert.empty()) return;
    db::Params values;
    values.reserve(row.size());
    for (const auto& v : row) values.push_back(v ? db::Value(*v) : db::Value());
    target.execute(insert, values);
    ++counts.rows;
  };
  readDump(file, reader);
  if (tx) tx->commit();
}

}  // namespace

fs::path takeBackup(db::Connection& conn, const fs::path& dir, bool asDump, std::chrono::system_clock::time_point when) {
  fs::create_directories(dir);
  const bool copy = conn.engine() == db::Engine::sqlite && !asDump;
  const fs::path done = dir / (kPrefix + localStamp(when, "%Y%m%d-%H%M%S") + (copy ? kCopy : kDump));
  // Written under another name first: a backup cut short never looks whole.
  const fs::path partial = done.string() + ".partial";
  try {
    if (copy) db::copySqliteDatabase(conn.url().path, partial.string());
    else writeDump(conn, partial);
    fs::rename(partial, done);
  } catch (...) {
    std::error_code ec;
    fs::remove(partial, ec);
    throw;
  }
  return done;
}

std::vector<fs::path> backupsIn(const fs::path& dir) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator(); it.increment(ec))
    if (it->is_regular_file(ec) && isBackupName(it->path().filename().string())) out.push_back(it->path());
  // The stamp in the name sorts by time.
  std::sort(out.begin(), out.end(), [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return out;
}

bool hasBackupOfDay(const fs::path& dir, std::chrono::system_clock::time_point when) {
  const std::string day = kPrefix + localStamp(when, "%Y%m%d") + "-";
  for (const auto& p : backupsIn(dir))
    if (p.filename().string().rfind(day, 0) == 0) return true;
  return false;
}

size_t pruneBackups(const fs::path& dir, size_t keep) {
  auto all = backupsIn(dir);
  size_t gone = 0;
  for (size_t i = 0; i + keep < all.size(); ++i) {
    std::error_code ec;
    if (fs::remove(all[i], ec)) ++gone;
  }
  return gone;
}

DumpCounts restoreBackup(const fs::path& file, const std::string& urlText) {
  if (!fs::is_regular_file(file)) throw std::runtime_error("there is no backup file " + file.string());
  const auto url = db::ConnectionUrl::parse(urlText);
  const std::string name = file.filename().string();
  DumpCounts counts;
  if (endsWith(name, kCopy)) {
    if (url.engine != db::Engine::sqlite)
      throw std::runtime_error("a .db backup restores into an SQLite database; take a dump (backup --dump) to move a "
                               "practice to MariaDB");
    requireNoFile(url);
    db::copySqliteDatabase(file.string(), url.path);
    auto target = db::Connection::open(urlText);
    db::migrate(*target, db::allMigrations());
    for (const auto& t : target->tables()) {
      ++counts.tables;
      counts.rows += std::stoull(target->scalar("SELECT COUNT(*) FROM " + t, {}, "0"));
    }
    return counts;
  }
  if (!endsWith(name, kDump)) throw std::runtime_error(file.string() + " is not a Meridian backup (.db or .mdump.gz)");
  // The whole file is read once before anything is written: a dump cut short
  // or spoilt is refused with the target untouched.
  readDump(file, {});
  if (url.engine == db::Engine::sqlite) requireNoFile(url);
  auto target = db::Connection::open(urlText);
  if (url.engine == db::Engine::mysql && !target->tables().empty())
    throw std::runtime_error("the database " + url.redacted() + " holds tables already: restore into an empty database");
  try {
    loadDump(file, *target, counts);
    db::migrate(*target, db::allMigrations());
  } catch (...) {
    // Half a practice is worse than none: the target is emptied again.
    emptyAgain(*target, url);
    throw;
  }
  counts.tables = target->tables().size();
  return counts;
}

}  // namespace meridian::suite
