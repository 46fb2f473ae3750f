#pragma once
// Drives a server over HTTP with a number of virtual users at once, each on
// its own kept-alive connection, and reports throughput and latency. Users
// are connected (and signed in, when a path needs it) before the clock
// starts, so that what is measured is the steady state of an office at work,
// not its morning sign-in.
#include <httplib.h>

#include <chrono>
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

struct LoadResult {
  size_t requests = 0;
  size_t failed = 0;
  double perSecond = 0;
  double p50ms = 0, p99ms = 0;
};

using Request = std::function<bool(VirtualUser&)>;  // true when the answer was the expected one

// `users` users, each with its own kept-alive connection to the server.
std::vector<VirtualUser> connectUsers(int port, int users);

// Runs `step` for every user at once (sign-in, opening a screen), untimed;
// the number of users for whom it failed.
size_t prepare(std::vector<VirtualUser>& users, const Request& step);

// Every user makes `requestsPerUser` requests, all users at once: each
// request as soon as the last one was answered, or, given a pace, one every
// `pace` (as a person types), each timed from when it was due.
LoadResult drive(std::vector<VirtualUser>& users, const Request& request, int requestsPerUser,
                 std::chrono::milliseconds pace = std::chrono::milliseconds(0));

// Signs the user in (name and password), takes the page's CSRF token and
// the tab the page opens.
bool signInUser(VirtualUser& u, const std::string& name, const std::string& password);

}  // namespace meridian::bench
