#include "suite/daily_backups.h"

#include <spdlog/spdlog.h>

#include "suite/backup.h"

namespace meridian::suite {

DailyBackups::DailyBackups(db::Connection& conn, std::filesystem::path dir, size_t keep, std::chrono::minutes lookEvery)
    : conn_(conn), dir_(std::move(dir)), keep_(keep < 1 ? 1 : keep), lookEvery_(lookEvery) {}

DailyBackups::~DailyBackups() { stop(); }

bool DailyBackups::takeIfDue(std::chrono::system_clock::time_point now) {
  if (hasBackupOfDay(dir_, now)) return false;
  const auto file = takeBackup(conn_, dir_, false, now);
  const size_t gone = pruneBackups(dir_, keep_);
  spdlog::info("daily backup written to {}{}", file.string(),
               gone ? " (" + std::to_string(gone) + " older one(s) removed)" : std::string());
  return true;
}

void DailyBackups::start() {
  thread_ = std::thread([this] {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
      lock.unlock();
      try {
        takeIfDue();
      } catch (const std::exception& e) {
        spdlog::error("the daily backup into {} failed: {} (tried again in {} minutes)", dir_.string(), e.what(),
                      lookEvery_.count());
      }
      lock.lock();
      wake_.wait_for(lock, lookEvery_, [&] { return stopping_; });
    }
  });
}

void DailyBackups::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

}  // namespace meridian::suite
