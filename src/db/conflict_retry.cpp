#include "db/conflict_retry.h"

#include <spdlog/spdlog.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <random>
#include <string>
#include <thread>

namespace meridian::db {
namespace {

std::string lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

}  // namespace

bool isConflict(const DbError& e) {
  // The engines' own words: SQLite's unique constraint and busy database,
  // MariaDB's duplicate key, deadlock and lock wait.
  static const char* const marks[] = {"unique constraint failed", "database is locked", "database table is locked",
                                      "duplicate entry",          "deadlock found",     "lock wait timeout",
                                      "try restarting transaction"};
  const std::string text = lowered(e.what());
  return std::any_of(std::begin(marks), std::end(marks), [&](const char* m) { return text.find(m) != std::string::npos; });
}

void inTransactionRetrying(Connection& conn, const std::function<void()>& work, int attempts) {
  thread_local std::minstd_rand jitter(std::random_device{}());
  for (int attempt = 1;; ++attempt) {
    try {
      auto tx = conn.begin();
      work();
      tx.commit();
      return;
    } catch (const DbError& e) {
      if (!isConflict(e) || attempt >= attempts) throw;
      spdlog::info("another user's work got in the way (attempt {} of {}); trying again", attempt, attempts);
      const int pauseMs = 5 * attempt + static_cast<int>(jitter() % static_cast<unsigned>(10 * attempt));
      std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    }
  }
}

}  // namespace meridian::db
