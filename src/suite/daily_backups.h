#pragma once
// The server's own backups: one a day, the first when the server starts on a
// day without one, keeping the newest N, so that a practice never loses more
// than a day's work. A failed backup is logged loudly and tried again later.
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "db/connection.h"

namespace meridian::suite {

class DailyBackups {
 public:
  DailyBackups(db::Connection& conn, std::filesystem::path dir, size_t keep,
               std::chrono::minutes lookEvery = std::chrono::minutes(30));
  ~DailyBackups();

  // Takes today's backup when there is none yet and prunes the old ones;
  // returns whether one was taken.
  bool takeIfDue(std::chrono::system_clock::time_point now = std::chrono::system_clock::now());
  void start();
  void stop();

 private:
  db::Connection& conn_;
  std::filesystem::path dir_;
  size_t keep_;
  std::chrono::minutes lookEvery_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace meridian::suite
