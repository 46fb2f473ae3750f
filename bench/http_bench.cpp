#include "http_bench.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "http_load.h"
#include "resident_memory.h"
#include "suite/application.h"
#include "common/rights.h"
#include "web/server.h"

namespace meridian::bench {
namespace {

using nlohmann::json;

// The sessions share one client list, so a full practice's list fits
// fifty sessions on a shared machine.
constexpr int kClients = 50'000;
constexpr int kUsers = 50;

void fillClientList(db::Connection& conn) {
  auto tx = conn.begin();
  for (int i = 0; i < kClients; ++i)
    conn.execute("INSERT INTO tempcltbl (codeno, name, stat, fnm, pan) VALUES (?, ?, ?, ?, ?)",
                 {"C" + std::to_string(100000 + i), "Client Name " + std::to_string(i), i % 3 ? "INDIVIDUAL" : "FIRM",
                  "S/o Father " + std::to_string(i), "ABCP" + std::string(1, static_cast<char>('A' + i % 26)) + "1234F"});
  tx.commit();
}

std::string userName(const VirtualUser& u) { return "bench" + std::to_string(u.index); }


bool ok(const httplib::Result& r) { return r && r->status == 200; }

bool openList(VirtualUser& u) {
  return ok(u.http->Post("/open", u.headers(), json{{"what", "income"}, {"mode", 1}}.dump(), "application/json"));
}

bool bareRoundTrip(VirtualUser& u) { return ok(u.http->Get("/health")); }

bool signIn(VirtualUser& u) {
  auto r = u.http->Post("/signin", httplib::Params{{"username", userName(u)}, {"password", "bench-password"}});
  return r && r->status == 303 && r->get_header_value("Location") == "/";
}

bool searchKeystroke(VirtualUser& u) {
  // Alternate texts, as a person typing and correcting would.
  const std::string text = u.requestsMade % 2 ? "Client Name 12" : "Client Name 4";
  return ok(u.http->Post(
      "/ev", u.headers(),
      json{{"form", "income"}, {"type", "change"}, {"control", "TxtS"}, {"values", {{"TxtS1", text}}}}.dump(),
      "application/json"));
}

// The machine is shared: its load beside each group of figures says how
// much of them is other work.
std::string loadAverage() {
  std::ifstream in("/proc/loadavg");
  double one = 0, five = 0;
  in >> one >> five;
  char text[64];
  std::snprintf(text, sizeof text, "load %.2f (1 min), %.2f (5 min)", one, five);
  return text;
}

void print(const std::string& name, int users, const LoadResult& r, const LoadResult& bare) {
  std::printf("http %-18s %2d user(s): %7.1f req/s (%.2fx bare), p50 %7.2f ms (%.1fx), p99 %7.2f ms (%.1fx)%s\n",
              name.c_str(), users, r.perSecond, bare.perSecond > 0 ? r.perSecond / bare.perSecond : 0, r.p50ms,
              bare.p50ms > 0 ? r.p50ms / bare.p50ms : 0, r.p99ms, bare.p99ms > 0 ? r.p99ms / bare.p99ms : 0,
              r.failed ? (" — " + std::to_string(r.failed) + " failed").c_str() : "");
}

// Sign-in on its own: every user signs in again and again at once, which is
// bounded by the password hash, not by the screens.
void measureSignIn(int port, int users) {
  auto vus = connectUsers(port, users);
  const LoadResult bare = drive(vus, bareRoundTrip, 1000 / users + 1);
  print("bare round trip", users, bare, bare);
  print("sign-in", users, drive(vus, signIn, 100 / users + 1), bare);
}

// An office at work: every user signed in with the client list open before
// the clock starts; then the list page and search keystrokes against a bare
// round trip on the same connections.
void measureSteadyState(int port, int users) {
  auto vus = connectUsers(port, users);
  const size_t notReady = prepare(vus, [](VirtualUser& u) {
    return signInUser(u, userName(u), "bench-password") && openList(u);
  });
  if (notReady) std::printf("(%zu of %d user(s) could not sign in and open the list)\n", notReady, users);
  const LoadResult bare = drive(vus, bareRoundTrip, 1000 / users + 1);
  print("bare, signed in", users, bare, bare);
  print("client list page", users, drive(vus, openList, 200 / users + 1), bare);
  print("search keystroke", users, drive(vus, searchKeystroke, 2000 / users + 1), bare);
  // Everyone typing at once, each a search every 250 ms (a quick typist
  // whose page sends one search at a time): the latency an office sees,
  // rather than the most the server can answer.
  print("search, paced 4/s", users, drive(vus, searchKeystroke, 40, std::chrono::milliseconds(250)), bare);
  std::printf("(resident with %d session(s) signed in with the list open: %.0f MB; %s)\n", users, residentMb(),
              loadAverage().c_str());
}

}  // namespace

namespace {

// A practice of kClients clients and kUsers users, served on loopback while
// `measure` runs against its port.
template <class Measure>
void withServer(Measure measure) {
  const auto dir = std::filesystem::temp_directory_path() / "meridian_bench_http";
  std::filesystem::remove_all(dir);
  {
    suite::Application app({dir.string(), ""});
    fillClientList(app.conn());
    for (int i = 0; i < kUsers; ++i) app.users().add("bench" + std::to_string(i), "bench-password");
    web::Server server(app);
    const int port = server.bind({"127.0.0.1", 0});
    std::thread serving([&] { server.run(); });
    std::printf("(HTTP over loopback, %d clients; ratios against a bare round trip at the same number of users)\n",
                kClients);
    measure(port);
    server.stop();
    serving.join();
  }
  std::filesystem::remove_all(dir);
}

}  // namespace

void runHttpBenchmarks() {
  withServer([](int port) {
    for (int users : {1, kUsers}) {
      std::printf("(%s)\n", loadAverage().c_str());
      measureSignIn(port, users);
      measureSteadyState(port, users);
    }
  });
}

void runHttpSteadyState() {
  withServer([](int port) {
    std::printf("(%s)\n", loadAverage().c_str());
    measureSteadyState(port, kUsers);
  });
}

}  // namespace meridian::bench
