#include "http_bench.h"

#include <cstdio>
#include <filesystem>
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

std::vector<HttpPath> paths() {
  auto signedIn = [](VirtualUser& u) { signInUser(u, userName(u), "bench-password"); };
  return {
      {"bare round trip", nullptr, [](VirtualUser& u) { return ok(u.http->Get("/health")); }},
      {"sign-in", nullptr,
       [](VirtualUser& u) {
         auto r = u.http->Post("/signin", httplib::Params{{"username", userName(u)}, {"password", "bench-password"}});
         return r && r->status == 303 && r->get_header_value("Location") == "/";
       }},
      {"client list page", signedIn, openList},
      {"search keystroke",
       [signedIn](VirtualUser& u) {
         signedIn(u);
         openList(u);
       },
       [](VirtualUser& u) {
         // Alternate texts, as a person typing and correcting would.
         const std::string text = u.requestsMade % 2 ? "Client Name 12" : "Client Name 4";
         return ok(u.http->Post("/ev", u.headers(),
                                json{{"form", "income"}, {"type", "change"}, {"control", "TxtS"}, {"values", {{"TxtS1", text}}}}
                                    .dump(),
                                "application/json"));
       }},
  };
}

void print(const std::string& name, int users, const LoadResult& r, const LoadResult& bare) {
  std::printf("http %-18s %2d user(s): %7.1f req/s (%.2fx bare), p50 %7.2f ms (%.1fx), p99 %7.2f ms (%.1fx)%s\n",
              name.c_str(), users, r.perSecond, bare.perSecond > 0 ? r.perSecond / bare.perSecond : 0, r.p50ms,
              bare.p50ms > 0 ? r.p50ms / bare.p50ms : 0, r.p99ms, bare.p99ms > 0 ? r.p99ms / bare.p99ms : 0,
              r.failed ? (" — " + std::to_string(r.failed) + " failed").c_str() : "");
}

}  // namespace

void runHttpBenchmarks() {
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
    for (int users : {1, kUsers}) {
      const auto all = paths();
      // Enough requests for a p99, fewer for the costly sign-in.
      auto count = [&](const HttpPath& p) { return (p.name == "sign-in" ? 100 : 1000) / users + 1; };
      const LoadResult bare = drive(port, all.front(), users, count(all.front()));
      print(all.front().name, users, bare, bare);
      for (size_t i = 1; i < all.size(); ++i) print(all[i].name, users, drive(port, all[i], users, count(all[i])), bare);
      std::printf("(resident after %d user(s) with the list open: %.0f MB)\n", users, residentMb());
    }
    server.stop();
    serving.join();
  }
  std::filesystem::remove_all(dir);
}

}  // namespace meridian::bench
