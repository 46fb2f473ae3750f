#pragma once
// What the routes of the web application share: the program, the signed-in
// sessions and the sign-in throttle; how a route answers (always a JSON body
// with a plain message when it refuses) and how it finds out whether the
// request may go on.
#include <httplib.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "suite/application.h"
#include "suite/signin_throttle.h"
#include "web/session_registry.h"

namespace meridian::web {

constexpr const char* kSessionCookie = "meridian_session";

struct Site {
  Site(suite::Application& a, SessionLimits limits) : app(a), sessions(a, limits), throttle(a.conn()) {}
  suite::Application& app;
  SessionRegistry sessions;
  suite::SignInThrottle throttle;
};

void replyJson(httplib::Response& res, const nlohmann::json& body, int status = 200);
void replyHtml(httplib::Response& res, const std::string& html);
// {"state": ..., "message": ...}: the state by status (401 "signedout", 403
// "forbidden", else "error"), the message a plain sentence for the user.
void replyError(httplib::Response& res, int status, const std::string& message);

std::string cookieValue(const httplib::Request& req, const std::string& name);
std::string sessionCookie(const std::string& id);
std::string expiredSessionCookie();

// The signed-in session of the request, or nullptr.
std::shared_ptr<WebSession> sessionOf(Site& site, const httplib::Request& req);

struct Need {
  int right = 0;                // a numbered right the user must hold (0: none)
  bool changesState = true;     // the request must carry the session's CSRF token
  bool ownPassword = true;      // a one-time password must have been replaced
};
// The session when the request may go on; otherwise answers 401 or 403 with
// a message and returns nullptr.
std::shared_ptr<WebSession> admit(Site& site, const httplib::Request& req, httplib::Response& res, Need need);

// The tab a request comes from: the X-Tab header, or the tab parameter of a
// link. A tab closed since (too many tabs open) is answered plainly (410).
std::shared_ptr<PageTab> tabOf(WebSession& s, const httplib::Request& req, httplib::Response& res);

// The sentence that refuses a request for want of a right.
std::string missingRightMessage(int right);

}  // namespace meridian::web
