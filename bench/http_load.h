#pragma once
// Drives a server over HTTP with a number of virtual users at once, each on
// its own kept-alive connection, and reports throughput and latency. A path
// is a set-up (sign in, open a screen) and one request; add a path by adding
// an HttpPath to the list in http_bench.cpp.
#include <httplib.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace meridian::bench {

struct VirtualUser {
  int index = 0;
  std::unique_ptr<httplib::Client> http;
  std::string cookie, csrf, tab;
  int requestsMade = 0;
  httplib::Headers headers() const { return {{"Cookie", cookie}, {"X-CSRF-Token", csrf}, {"X-Tab", tab}}; }
};

struct HttpPath {
  std::string name;
  std::function<void(VirtualUser&)> setUp;  // may be empty
  std::function<bool(VirtualUser&)> request;  // true when the answer was the expected one
};

struct LoadResult {
  size_t requests = 0;
  size_t failed = 0;
  double perSecond = 0;
  double p50ms = 0, p99ms = 0;
};

// Every user makes `requestsPerUser` requests, all users at once.
LoadResult drive(int port, const HttpPath& path, int users, int requestsPerUser);

// Signs the user in (name and password), takes the page's CSRF token and
// the tab the page opens.
bool signInUser(VirtualUser& u, const std::string& name, const std::string& password);

}  // namespace meridian::bench
