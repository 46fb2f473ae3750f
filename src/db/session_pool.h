#pragma once
// The physical database sessions behind every Connection handle of one
// database: a bounded set, lent out one statement or one transaction at a
// time. A session that sat idle is checked before it is lent again and
// replaced when the server has dropped it (a restart, wait_timeout, KILL), so
// the next statement works; a session inside a transaction is never
// replaced, so a transaction either runs whole on one session or fails.
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "db/connection.h"

namespace soci { class session; }

namespace meridian::db::detail {

struct PooledSession {
  std::unique_ptr<soci::session> sql;
  std::chrono::steady_clock::time_point lastUsed;
  bool broken = false;  // the server dropped it: close instead of returning it
};

class SessionPool {
 public:
  SessionPool(ConnectionUrl url, PoolOptions options);
  ~SessionPool();

  const ConnectionUrl& url() const { return url_; }
  const PoolOptions& options() const { return options_; }

  // Lends a healthy session; waits while all are in use (up to the options'
  // limit, then throws DbError). checkAlways: check even a session used a
  // moment ago (a transaction is about to begin on it).
  std::unique_ptr<PooledSession> acquire(bool checkAlways = false);
  void release(std::unique_ptr<PooledSession> s);

  size_t openSessions();

  // The transaction this thread holds on this pool, if any.
  struct ThreadTransaction {
    std::thread::id thread;
    std::unique_ptr<PooledSession> session;
    int depth = 0;
    bool innerFailed = false;  // a joined transaction ended without committing
  };
  ThreadTransaction* current();
  ThreadTransaction& enter(std::unique_ptr<PooledSession> s);
  std::unique_ptr<PooledSession> leave();

  // SQLite: the database file is still the one this pool opened. Once it is
  // found gone the pool refuses all work and tells onLost, once.
  void checkStillThere();
  void whenLost(std::function<void(const std::string&)> f);
  bool lost();

 private:
  std::unique_ptr<PooledSession> connect();
  bool healthy(PooledSession& s);
  void markLost(const std::string& why);

  ConnectionUrl url_;
  PoolOptions options_;
  std::mutex mutex_;
  std::condition_variable returned_;
  std::vector<std::unique_ptr<PooledSession>> idle_;
  size_t open_ = 0;
  std::vector<std::unique_ptr<ThreadTransaction>> transactions_;

  // SQLite only: which file the pool opened (device and inode).
  std::optional<std::pair<unsigned long, unsigned long>> fileIdentity_;
  std::string lostReason_;
  std::function<void(const std::string&)> onLost_;
};

}  // namespace meridian::db::detail
