#include "http_load.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <latch>
#include <nlohmann/json.hpp>
#include <thread>

namespace meridian::bench {
namespace {

double percentile(std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const size_t at = std::min(sorted.size() - 1, static_cast<size_t>(p * static_cast<double>(sorted.size())));
  return sorted[at];
}

}  // namespace

bool signInUser(VirtualUser& u, const std::string& name, const std::string& password) {
  auto r = u.http->Post("/signin", httplib::Params{{"username", name}, {"password", password}});
  if (!r || r->status != 303) return false;
  const std::string set = r->get_header_value("Set-Cookie");
  u.cookie = set.substr(0, set.find(';'));
  auto page = u.http->Get("/", httplib::Headers{{"Cookie", u.cookie}});
  const std::string marker = "name=\"csrf\" content=\"";
  const auto at = page ? page->body.find(marker) : std::string::npos;
  if (at == std::string::npos) return false;
  const auto from = at + marker.size();
  u.csrf = page->body.substr(from, page->body.find('"', from) - from);
  auto tab = u.http->Post("/tab", u.headers(), "{}", "application/json");
  if (!tab || tab->status != 200) return false;
  u.tab = nlohmann::json::parse(tab->body, nullptr, false).value("tab", "");
  return !u.tab.empty();
}

std::vector<VirtualUser> connectUsers(int port, int users) {
  std::vector<VirtualUser> vus(static_cast<size_t>(users));
  for (int i = 0; i < users; ++i) {
    auto& u = vus[static_cast<size_t>(i)];
    u.index = i;
    u.http = std::make_unique<httplib::Client>("127.0.0.1", port);
    u.http->set_keep_alive(true);
    // As a browser: no Nagle delay on a request written in two parts, and the
    // encodings a browser offers.
    u.http->set_tcp_nodelay(true);
    u.http->set_default_headers({{"Accept-Encoding", "gzip, deflate, br"}});
    u.http->set_read_timeout(120, 0);
  }
  return vus;
}

namespace {

// Runs `body(user, index)` on a thread per user, all released together;
// returns the seconds from the release until the last one ended.
template <class Body>
double allAtOnce(std::vector<VirtualUser>& users, Body body) {
  std::latch ready(static_cast<std::ptrdiff_t>(users.size()) + 1);
  std::vector<std::thread> threads;
  for (size_t i = 0; i < users.size(); ++i)
    threads.emplace_back([&, i] {
      ready.arrive_and_wait();
      body(users[i], i);
    });
  ready.arrive_and_wait();
  const auto start = std::chrono::steady_clock::now();
  for (auto& t : threads) t.join();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

size_t prepare(std::vector<VirtualUser>& users, const Request& step) {
  std::atomic<size_t> failed = 0;
  allAtOnce(users, [&](VirtualUser& u, size_t) {
    if (!step(u)) ++failed;
  });
  return failed;
}

LoadResult drive(std::vector<VirtualUser>& users, const Request& request, int requestsPerUser,
                 std::chrono::milliseconds pace) {
  std::vector<std::vector<double>> latencies(users.size());
  std::vector<size_t> failures(users.size(), 0);
  const double seconds = allAtOnce(users, [&](VirtualUser& u, size_t i) {
    // Paced users start spread over one interval, not all in the same instant.
    auto due = std::chrono::steady_clock::now() + pace * static_cast<long>(i) / static_cast<long>(users.size());
    for (int k = 0; k < requestsPerUser; ++k) {
      auto start = std::chrono::steady_clock::now();
      if (pace.count() > 0) {
        // Timed from when the request was due: a late answer also delays
        // the requests queued behind it, and that wait counts too.
        std::this_thread::sleep_until(due);
        start = due;
        due += pace;
      }
      const bool ok = request(u);
      latencies[i].push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      ++u.requestsMade;
      if (!ok) ++failures[i];
    }
  });
  std::vector<double> all;
  LoadResult r;
  for (size_t i = 0; i < latencies.size(); ++i) {
    all.insert(all.end(), latencies[i].begin(), latencies[i].end());
    r.failed += failures[i];
  }
  std::sort(all.begin(), all.end());
  r.requests = all.size();
  r.perSecond = seconds > 0 ? static_cast<double>(all.size()) / seconds : 0;
  r.p50ms = percentile(all, 0.50);
  r.p99ms = percentile(all, 0.99);
  return r;
}

}  // namespace meridian::bench
