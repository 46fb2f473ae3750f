#pragma once
// One browser connection as the HTTP library reads and writes it, with the
// limits a server on an office network needs before anyone has signed in:
// every read and write waits at most its timeout, a request must arrive whole
// within its deadline (a socket that trickles a byte now and then is dropped),
// and the request line with its headers may not exceed a size.
#include <chrono>
#include <string>

#include <httplib.h>

namespace meridian::web {

struct StreamLimits {
  std::chrono::milliseconds readTimeout{10'000};
  std::chrono::milliseconds writeTimeout{10'000};
  std::chrono::milliseconds requestDeadline{60'000};
  size_t maxHeaderBytes = 32 * 1024;
};

class DeadlineSocketStream : public httplib::Stream {
 public:
  DeadlineSocketStream(int fd, const StreamLimits& limits) : fd_(fd), limits_(limits) {}

  // A request begins: its bytes must all arrive before the deadline, and its
  // head may not exceed the header size until headersRead().
  void beginRequest();
  void headersRead() { inHead_ = false; }
  // Waits for the first byte of the next request; false when none came.
  bool waitForRequest(std::chrono::milliseconds keepAlive);
  // A read failed (timeout, deadline, head too long, peer gone): whatever the
  // library answered, the connection cannot be trusted to carry another request.
  bool broken() const { return broken_; }

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* ptr, size_t size) override;
  ssize_t write(const char* ptr, size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  socket_t socket() const override { return fd_; }

 private:
  // Milliseconds a read may still wait: its timeout, cut by the deadline.
  int readWait() const;
  bool fill();

  int fd_;
  StreamLimits limits_;
  std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
  bool inHead_ = false;
  bool broken_ = false;
  size_t headBytes_ = 0;
  char buffer_[4096];
  size_t begin_ = 0, end_ = 0;
};

// "1.2.3.4" or "::1" for a socket address.
std::string addressText(const sockaddr* addr);

}  // namespace meridian::web
