#pragma once
// The HTTP server under the routes. The library parses requests and runs the
// routes; this class owns the listening socket and the connections, so that
// the limits an office server needs hold: the address is taken at once after
// a restart and by one server only, answers go out without Nagle's delay, a
// deep listen backlog, threads that grow with the connections, per-address
// and per-request limits, and every connection ends when the server stops.
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include <httplib.h>

#include "web/socket_stream.h"
#include "web/worker_pool.h"

namespace meridian::web {

struct ServerLimits {
  StreamLimits stream;
  std::chrono::milliseconds keepAlive{5'000};
  size_t keepAliveRequests = 1000;
  size_t maxHeaders = 100;
  size_t maxPayload = 16 * 1024 * 1024;  // the biggest screen post and the imports still to come
  size_t warmWorkers = 8;
  size_t maxWorkers = 512;
  size_t maxConnectionsPerAddress = 128;
  int backlog = 1024;
};

class HttpListener : public httplib::Server {
 public:
  explicit HttpListener(ServerLimits limits = {});
  ~HttpListener() override;

  // Binds host:port (port 0: any free port) and returns the port; throws
  // with one clear line when the address cannot be had.
  int bindAddress(const std::string& host, int port);
  // Accepts and serves until stop(); then ends every open connection.
  void serve();
  // Safe in a signal handler: serve() returns within a fraction of a second.
  void stop();
  // Waits for the threads still finishing a request.
  void finish();
  const ServerLimits& limits() const { return limits_; }

  // Called once the head of a request is read, before its route runs.
  std::function<void(httplib::Request&)> onRequestHead;

 private:
  void serveConnection(int fd, const std::string& address);
  bool admit(const std::string& address);
  void endConnections();
  void forget(int fd, const std::string& address);

  ServerLimits limits_;
  int listenFd_ = -1;
  std::atomic<bool> stopping_{false};
  std::unique_ptr<ElasticWorkers> workers_;
  std::mutex connectionsMutex_;
  std::set<int> connections_;
  std::map<std::string, size_t> perAddress_;
};

}  // namespace meridian::web
