#include "web/worker_pool.h"

#include <chrono>
#include <thread>

namespace meridian::web {
namespace {
constexpr auto kIdleExit = std::chrono::seconds(60);
}

ElasticWorkers::ElasticWorkers(size_t warm, size_t most) : warm_(warm), most_(most < 1 ? 1 : most) {}

ElasticWorkers::~ElasticWorkers() { shutdown(); }

void ElasticWorkers::enqueue(std::function<void()> fn) {
  std::lock_guard lock(mutex_);
  jobs_.push_back(std::move(fn));
  if (idle_ >= jobs_.size()) {
    wake_.notify_one();
  } else if (threads_ < most_) {
    ++threads_;
    std::thread([this] { work(); }).detach();
  }
  // Otherwise the job waits for the next thread to come free.
}

void ElasticWorkers::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    ++idle_;
    const bool woken = wake_.wait_for(lock, kIdleExit, [&] { return !jobs_.empty() || stopping_; });
    --idle_;
    if (jobs_.empty() && (stopping_ || (!woken && threads_ > warm_))) break;
    if (jobs_.empty()) continue;
    auto job = std::move(jobs_.front());
    jobs_.pop_front();
    lock.unlock();
    job();
    job = nullptr;
    lock.lock();
  }
  --threads_;
  ended_.notify_all();
}

void ElasticWorkers::shutdown() {
  std::unique_lock lock(mutex_);
  stopping_ = true;
  wake_.notify_all();
  ended_.wait(lock, [&] { return threads_ == 0; });
}

size_t ElasticWorkers::threads() {
  std::lock_guard lock(mutex_);
  return threads_;
}

}  // namespace meridian::web
