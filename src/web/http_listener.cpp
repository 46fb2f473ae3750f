#include "web/http_listener.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <spdlog/spdlog.h>

namespace meridian::web {
namespace {

void setFlag(int fd, int level, int option, int value) { ::setsockopt(fd, level, option, &value, sizeof value); }

}  // namespace

HttpListener::HttpListener(ServerLimits limits)
    : limits_(limits), workers_(std::make_unique<ElasticWorkers>(limits.warmWorkers, limits.maxWorkers)) {
  set_payload_max_length(limits_.maxPayload);
  set_keep_alive_max_count(limits_.keepAliveRequests);
  set_keep_alive_timeout(std::chrono::duration_cast<std::chrono::seconds>(limits_.keepAlive).count());
  set_read_timeout(limits_.stream.readTimeout);
  set_write_timeout(limits_.stream.writeTimeout);
}

HttpListener::~HttpListener() {
  stop();
  endConnections();
  finish();
  if (listenFd_ >= 0) ::close(listenFd_);
}

int HttpListener::bindAddress(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string portText = std::to_string(port);
  const std::string where = host + ":" + portText;
  if (::getaddrinfo(host.c_str(), portText.c_str(), &hints, &found) != 0 || !found)
    throw std::runtime_error("cannot listen on " + where + ": no such address");
  std::string why = "no usable address";
  for (addrinfo* a = found; a && listenFd_ < 0; a = a->ai_next) {
    int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    // Taken again at once after a restart, whatever connections of the last
    // run still linger; never shared with a second server (no SO_REUSEPORT).
    setFlag(fd, SOL_SOCKET, SO_REUSEADDR, 1);
    setFlag(fd, IPPROTO_TCP, TCP_NODELAY, 1);
    if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, limits_.backlog) == 0) {
      listenFd_ = fd;
    } else {
      why = errno == EADDRINUSE ? "the address is in use (is another Meridian or program serving it?)" : std::strerror(errno);
      ::close(fd);
    }
  }
  ::freeaddrinfo(found);
  if (listenFd_ < 0) throw std::runtime_error("cannot listen on " + where + ": " + why);
  sockaddr_storage bound{};
  socklen_t len = sizeof bound;
  ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&bound), &len);
  return ntohs(bound.ss_family == AF_INET ? reinterpret_cast<sockaddr_in*>(&bound)->sin_port
                                          : reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port);
}

void HttpListener::serve() {
  if (listenFd_ < 0) throw std::logic_error("serve() before bindAddress()");
  while (!stopping_) {
    pollfd p{listenFd_, POLLIN, 0};
    int ready = ::poll(&p, 1, 200);
    if (ready <= 0) continue;
    sockaddr_storage peer{};
    socklen_t len = sizeof peer;
    int fd = ::accept4(listenFd_, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_CLOEXEC);
    if (fd < 0) continue;
    const std::string address = addressText(reinterpret_cast<sockaddr*>(&peer));
    if (stopping_ || !admit(address)) {
      ::close(fd);
      continue;
    }
    {
      std::lock_guard lock(connectionsMutex_);
      connections_.insert(fd);
    }
    setFlag(fd, IPPROTO_TCP, TCP_NODELAY, 1);
    workers_->enqueue([this, fd, address] { serveConnection(fd, address); });
  }
  endConnections();
}

void HttpListener::endConnections() {
  std::lock_guard lock(connectionsMutex_);
  for (int fd : connections_) ::shutdown(fd, SHUT_RDWR);
}

void HttpListener::finish() { workers_->shutdown(); }

bool HttpListener::admit(const std::string& address) {
  std::lock_guard lock(connectionsMutex_);
  size_t& open = perAddress_[address];
  if (open >= limits_.maxConnectionsPerAddress) {
    spdlog::warn("refused a connection from {}: it holds {} already", address, open);
    return false;
  }
  ++open;
  return true;
}

void HttpListener::forget(int fd, const std::string& address) {
  std::lock_guard lock(connectionsMutex_);
  // Closed under the lock: stop() never shuts down a number reused by a new connection.
  ::close(fd);
  connections_.erase(fd);
  if (--perAddress_[address] == 0) perAddress_.erase(address);
}

void HttpListener::serveConnection(int fd, const std::string& address) {
  DeadlineSocketStream stream(fd, limits_.stream);
  try {
    auto wait = limits_.stream.readTimeout;  // the first request comes at once or not at all
    for (size_t served = 0; served < limits_.keepAliveRequests && !stopping_; ++served) {
      if (!stream.waitForRequest(wait)) break;
      wait = limits_.keepAlive;
      stream.beginRequest();
      bool clientClosed = false;
      const bool last = served + 1 == limits_.keepAliveRequests;
      // Head and body of the answer leave in as few packets as they fit.
      setFlag(fd, IPPROTO_TCP, TCP_CORK, 1);
      const bool ok = process_request(stream, last, clientClosed, [&](httplib::Request& req) {
        stream.headersRead();
        if (onRequestHead) onRequestHead(req);
      });
      setFlag(fd, IPPROTO_TCP, TCP_CORK, 0);
      if (!ok || clientClosed || stream.broken()) break;
    }
  } catch (const std::exception& e) {
    spdlog::error("connection from {} ended: {}", address, e.what());
  }
  ::shutdown(fd, SHUT_RDWR);
  forget(fd, address);
}

void HttpListener::stop() { stopping_ = true; }

}  // namespace meridian::web
