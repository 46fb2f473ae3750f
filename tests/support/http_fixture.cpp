#include "support/http_fixture.h"

#include "common/rights.h"

namespace meridian::testsupport {

httplib::Headers Browser::headers(bool withToken) const {
  httplib::Headers h{{"Cookie", cookie}};
  if (withToken) h.emplace("X-CSRF-Token", csrf);
  if (!tab.empty()) h.emplace("X-Tab", tab);
  return h;
}

web::ServerOptions HttpTest::serverOptions() {
  web::ServerOptions o;
  // A change to a user is seen by the very next request.
  o.sessions.accessCheck = std::chrono::milliseconds(0);
  return o;
}

void HttpTest::SetUp() {
  SessionTest::SetUp();
  if (IsSkipped() || HasFatalFailure()) return;
  server_ = std::make_unique<web::Server>(app(), serverOptions());
  port_ = server_->bind({"127.0.0.1", 0});
  serving_ = std::thread([this] { server_->run(); });
}

void HttpTest::TearDown() {
  if (server_) {
    server_->stop();
    serving_.join();
    server_.reset();
  }
  SessionTest::TearDown();
}

httplib::Client HttpTest::client() const {
  httplib::Client c("127.0.0.1", port_);
  c.set_read_timeout(30, 0);
  return c;
}

suite::User HttpTest::userWith(const std::string& name, std::initializer_list<int> rights) {
  auto users = app().users();
  users.add(name, "password-of-" + name);
  for (int r : rights::all) users.revoke(name, r);
  for (int r : rights) users.grant(name, r);
  return *users.find(name);
}

Browser HttpTest::signIn(const std::string& user, const std::string& password) {
  auto c = client();
  auto r = c.Post("/signin", httplib::Params{{"username", user}, {"password", password}});
  Browser b;
  if (!r) return b;
  const std::string set = r->get_header_value("Set-Cookie");
  b.cookie = set.substr(0, set.find(';'));
  if (b.cookie.empty()) return b;
  // The token stands in the page's head, or in the form of a page without screens.
  for (const char* path : {"/", "/password"}) {
    auto page = c.Get(path, httplib::Headers{{"Cookie", b.cookie}});
    if (!page) continue;
    for (const std::string marker : {"name=\"csrf\" content=\"", "name=\"csrf\" value=\""}) {
      auto at = page->body.find(marker);
      if (at == std::string::npos) continue;
      at += marker.size();
      b.csrf = page->body.substr(at, page->body.find('"', at) - at);
      // The page then takes its tab.
      auto tab = c.Post("/tab", b.headers(), "{}", "application/json");
      if (tab && tab->status == 200) b.tab = body(tab).value("tab", "");
      return b;
    }
  }
  return b;
}

httplib::Result HttpTest::postJson(const std::string& path, const nlohmann::json& body, const Browser& b, bool withToken) {
  return client().Post(path.c_str(), b.headers(withToken), body.dump(), "application/json");
}

httplib::Result HttpTest::get(const std::string& path, const Browser& b) { return client().Get(path.c_str(), b.headers(false)); }

nlohmann::json HttpTest::body(const httplib::Result& r) {
  if (!r) return nullptr;
  return nlohmann::json::parse(r->body, nullptr, false);
}

}  // namespace meridian::testsupport
