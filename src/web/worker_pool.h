#pragma once
// The threads that serve connections. A connection keeps its thread while
// the browser keeps it open, so a fixed handful of threads can be used up by
// a few idle browsers (or a few slow sockets) and the office waits. This pool
// grows with the connections, up to a cap, and lets idle threads go.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

#include <httplib.h>

namespace meridian::web {

class ElasticWorkers : public httplib::TaskQueue {
 public:
  // warm: threads kept even when idle; most: threads at most.
  ElasticWorkers(size_t warm, size_t most);
  ~ElasticWorkers() override;

  void enqueue(std::function<void()> fn) override;
  // Runs what is queued, then waits for every thread to end.
  void shutdown() override;

  size_t threads();

 private:
  void work();

  const size_t warm_, most_;
  std::mutex mutex_;
  std::condition_variable wake_, ended_;
  std::deque<std::function<void()>> jobs_;
  size_t threads_ = 0, idle_ = 0;
  bool stopping_ = false;
};

}  // namespace meridian::web
