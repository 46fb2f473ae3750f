#include "db/session_pool.h"

#include <soci/mysql/soci-mysql.h>
#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>
#include <sys/stat.h>

#include <algorithm>

#include "db/sql_error.h"

namespace meridian::db::detail {
namespace {

// Idle sessions beyond this age are closed rather than kept: a quiet office
// gives its server connections back.
constexpr auto kIdleClose = std::chrono::minutes(5);

void applySessionSettings(Engine engine, soci::session& sql) {
  if (engine == Engine::sqlite) {
    sql << "PRAGMA journal_mode=WAL";
    sql << "PRAGMA busy_timeout=10000";
    sql << "PRAGMA foreign_keys=ON";
    // MariaDB databases are created with a binary collation; make LIKE agree.
    sql << "PRAGMA case_sensitive_like=ON";
    // "||" joins texts on both engines (MariaDB runs with PIPES_AS_CONCAT).
  } else {
    sql << "SET NAMES utf8mb4 COLLATE utf8mb4_bin";
    sql << "SET SESSION sql_mode='STRICT_TRANS_TABLES,NO_ENGINE_SUBSTITUTION,PIPES_AS_CONCAT'";
  }
}

std::optional<std::pair<unsigned long, unsigned long>> identityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return std::make_pair(static_cast<unsigned long>(st.st_dev), static_cast<unsigned long>(st.st_ino));
}

}  // namespace

SessionPool::SessionPool(ConnectionUrl url, PoolOptions options) : url_(std::move(url)), options_(options) {
  if (options_.maxSessions == 0) options_.maxSessions = 1;
}

SessionPool::~SessionPool() = default;

std::unique_ptr<PooledSession> SessionPool::connect() {
  // Opening a vanished SQLite file would quietly create an empty database.
  if (url_.engine == Engine::sqlite) checkStillThere();
  auto s = std::make_unique<PooledSession>();
  try {
    if (url_.engine == Engine::sqlite)
      s->sql = std::make_unique<soci::session>(*soci::factory_sqlite3(), url_.sociConnectString());
    else
      s->sql = std::make_unique<soci::session>(*soci::factory_mysql(), url_.sociConnectString());
    applySessionSettings(url_.engine, *s->sql);
  } catch (const soci::soci_error& e) {
    throw DbError("cannot open database " + url_.redacted() + ": " + withoutQuotedValues(e.get_error_message()),
                  DbFailure::unreachable);
  }
  if (url_.engine == Engine::sqlite) {
    std::lock_guard lock(mutex_);
    if (!fileIdentity_) fileIdentity_ = identityOf(url_.path);
  }
  s->lastUsed = std::chrono::steady_clock::now();
  return s;
}

bool SessionPool::healthy(PooledSession& s) {
  if (url_.engine == Engine::sqlite) {
    checkStillThere();
    return true;
  }
  try {
    return s.sql->is_connected();  // a round trip to the server
  } catch (...) {
    return false;
  }
}

std::unique_ptr<PooledSession> SessionPool::acquire(bool checkAlways) {
  const auto deadline = std::chrono::steady_clock::now() + options_.waitForSession;
  std::unique_lock lock(mutex_);
  for (;;) {
    if (!lostReason_.empty()) throw DbError(lostReason_, DbFailure::gone);
    if (!idle_.empty()) {
      auto s = std::move(idle_.back());
      idle_.pop_back();
      const bool check = checkAlways || std::chrono::steady_clock::now() - s->lastUsed >= options_.checkAfterIdle;
      lock.unlock();
      if (!check || healthy(*s)) return s;
      s.reset();  // the server dropped it; another takes its place
      lock.lock();
      --open_;
      continue;
    }
    if (open_ < options_.maxSessions) {
      ++open_;
      lock.unlock();
      try {
        return connect();
      } catch (...) {
        lock.lock();
        --open_;
        returned_.notify_one();
        throw;
      }
    }
    if (returned_.wait_until(lock, deadline) == std::cv_status::timeout && idle_.empty() &&
        open_ >= options_.maxSessions)
      throw DbError("all " + std::to_string(options_.maxSessions) + " database sessions stayed in use", DbFailure::busy);
  }
}

void SessionPool::release(std::unique_ptr<PooledSession> s) {
  if (!s) return;
  const auto now = std::chrono::steady_clock::now();
  std::vector<std::unique_ptr<PooledSession>> closing;
  std::unique_lock lock(mutex_);
  if (s->broken) {
    closing.push_back(std::move(s));
  } else {
    s->lastUsed = now;
    idle_.push_back(std::move(s));
  }
  // The oldest idle sessions sit at the front.
  while (idle_.size() > 1 && now - idle_.front()->lastUsed > kIdleClose) {
    closing.push_back(std::move(idle_.front()));
    idle_.erase(idle_.begin());
  }
  open_ -= closing.size();
  returned_.notify_all();
  lock.unlock();
  closing.clear();  // closed outside the lock: a dead server can make this slow
}

size_t SessionPool::openSessions() {
  std::lock_guard lock(mutex_);
  return open_;
}

SessionPool::ThreadTransaction* SessionPool::current() {
  const auto me = std::this_thread::get_id();
  std::lock_guard lock(mutex_);
  for (auto& t : transactions_)
    if (t->thread == me) return t.get();
  return nullptr;
}

SessionPool::ThreadTransaction& SessionPool::enter(std::unique_ptr<PooledSession> s) {
  auto t = std::make_unique<ThreadTransaction>();
  t->thread = std::this_thread::get_id();
  t->session = std::move(s);
  t->depth = 1;
  std::lock_guard lock(mutex_);
  transactions_.push_back(std::move(t));
  return *transactions_.back();
}

std::unique_ptr<PooledSession> SessionPool::leave() {
  const auto me = std::this_thread::get_id();
  std::lock_guard lock(mutex_);
  auto it = std::find_if(transactions_.begin(), transactions_.end(), [&](const auto& t) { return t->thread == me; });
  if (it == transactions_.end()) return nullptr;
  auto s = std::move((*it)->session);
  transactions_.erase(it);
  return s;
}

void SessionPool::checkStillThere() {
  if (url_.engine != Engine::sqlite) return;
  std::optional<std::pair<unsigned long, unsigned long>> expected;
  {
    std::lock_guard lock(mutex_);
    if (!lostReason_.empty()) throw DbError(lostReason_, DbFailure::gone);
    expected = fileIdentity_;
  }
  if (!expected) return;
  const auto now = identityOf(url_.path);
  if (now == expected) return;
  const std::string why = now ? "the database file " + url_.path + " was replaced by another file"
                              : "the database file " + url_.path + " is gone";
  markLost(why);
  throw DbError(why, DbFailure::gone);
}

void SessionPool::markLost(const std::string& why) {
  std::function<void(const std::string&)> tell;
  {
    std::lock_guard lock(mutex_);
    if (!lostReason_.empty()) return;
    lostReason_ = why;
    tell = onLost_;
  }
  if (tell) tell(why);
}

void SessionPool::whenLost(std::function<void(const std::string&)> f) {
  std::lock_guard lock(mutex_);
  onLost_ = std::move(f);
}

bool SessionPool::lost() {
  std::lock_guard lock(mutex_);
  return !lostReason_.empty();
}

}  // namespace meridian::db::detail
