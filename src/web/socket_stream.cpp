#include "web/socket_stream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace meridian::web {
namespace {

int pollFor(int fd, short events, int waitMs) {
  pollfd p{fd, events, 0};
  for (;;) {
    int n = ::poll(&p, 1, waitMs);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n;
    return (p.revents & (events | POLLHUP | POLLERR)) ? 1 : 0;
  }
}

int millis(std::chrono::milliseconds d) { return static_cast<int>(std::max<long long>(0, d.count())); }

}  // namespace

std::string addressText(const sockaddr* addr) {
  char text[INET6_ADDRSTRLEN] = "";
  if (addr->sa_family == AF_INET)
    ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(addr)->sin_addr, text, sizeof text);
  else if (addr->sa_family == AF_INET6)
    ::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(addr)->sin6_addr, text, sizeof text);
  return text;
}

void DeadlineSocketStream::beginRequest() {
  deadline_ = std::chrono::steady_clock::now() + limits_.requestDeadline;
  inHead_ = true;
  headBytes_ = 0;
}

bool DeadlineSocketStream::waitForRequest(std::chrono::milliseconds keepAlive) {
  if (begin_ < end_) return true;
  return pollFor(fd_, POLLIN, millis(keepAlive)) > 0;
}

int DeadlineSocketStream::readWait() const {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - std::chrono::steady_clock::now());
  if (deadline_ == std::chrono::steady_clock::time_point::max()) left = limits_.readTimeout;
  return millis(std::min(left, limits_.readTimeout));
}

bool DeadlineSocketStream::is_readable() const { return begin_ < end_ || pollFor(fd_, POLLIN, readWait()) > 0; }

bool DeadlineSocketStream::is_writable() const { return pollFor(fd_, POLLOUT, millis(limits_.writeTimeout)) > 0; }

bool DeadlineSocketStream::fill() {
  if (pollFor(fd_, POLLIN, readWait()) <= 0) return false;
  ssize_t n;
  do {
    n = ::recv(fd_, buffer_, sizeof buffer_, 0);
  } while (n < 0 && errno == EINTR);
  if (n <= 0) return false;
  begin_ = 0;
  end_ = static_cast<size_t>(n);
  return true;
}

ssize_t DeadlineSocketStream::read(char* ptr, size_t size) {
  if (begin_ == end_ && !fill()) {
    broken_ = true;
    return -1;
  }
  size_t n = std::min(size, end_ - begin_);
  if (inHead_) {
    headBytes_ += n;
    // Too long a head: the library answers 400 and the connection ends.
    if (headBytes_ > limits_.maxHeaderBytes) {
      broken_ = true;
      return -1;
    }
  }
  std::memcpy(ptr, buffer_ + begin_, n);
  begin_ += n;
  return static_cast<ssize_t>(n);
}

ssize_t DeadlineSocketStream::write(const char* ptr, size_t size) {
  size_t sent = 0;
  while (sent < size) {
    if (pollFor(fd_, POLLOUT, millis(limits_.writeTimeout)) <= 0) return -1;
    ssize_t n = ::send(fd_, ptr + sent, size - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return -1;
    sent += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(size);
}

void DeadlineSocketStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage a{};
  socklen_t len = sizeof a;
  if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) return;
  ip = addressText(reinterpret_cast<sockaddr*>(&a));
  port = ntohs(a.ss_family == AF_INET ? reinterpret_cast<sockaddr_in*>(&a)->sin_port
                                      : reinterpret_cast<sockaddr_in6*>(&a)->sin6_port);
}

void DeadlineSocketStream::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage a{};
  socklen_t len = sizeof a;
  if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) return;
  ip = addressText(reinterpret_cast<sockaddr*>(&a));
  port = ntohs(a.ss_family == AF_INET ? reinterpret_cast<sockaddr_in*>(&a)->sin_port
                                      : reinterpret_cast<sockaddr_in6*>(&a)->sin6_port);
}

}  // namespace meridian::web
