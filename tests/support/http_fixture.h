#pragma once
// The web application served on a free port of this machine, in the test's
// own process, over a fresh test database; spoken to with an HTTP client as
// a browser would.
#include <httplib.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "support/session_fixture.h"
#include "web/server.h"

namespace meridian::testsupport {

// One browser tab: its session cookie, the page's CSRF token and the tab
// the page took (the screens of the tab live on the server).
struct Browser {
  std::string cookie;
  std::string csrf;
  std::string tab;
  httplib::Headers headers(bool withToken = true) const;
};

class HttpTest : public SessionTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Options the server starts with; tests change them before SetUp runs.
  virtual web::ServerOptions serverOptions();

  int port() const { return port_; }
  httplib::Client client() const;
  // Signs in through the sign-in form; the browser has its token once the
  // page was fetched (a user still to replace a one-time password has none),
  // and its tab when the user may open the module.
  Browser signIn(const std::string& user, const std::string& password);
  // A user of the given rights (their password is "password-of-NAME").
  suite::User userWith(const std::string& name, std::initializer_list<int> rights);
  httplib::Result postJson(const std::string& path, const nlohmann::json& body, const Browser& b, bool withToken = true);
  httplib::Result get(const std::string& path, const Browser& b);
  // A reply's body as JSON (null when it is not JSON).
  static nlohmann::json body(const httplib::Result& r);

  std::unique_ptr<web::Server> server_;

 private:
  std::thread serving_;
  int port_ = 0;
};

}  // namespace meridian::testsupport
