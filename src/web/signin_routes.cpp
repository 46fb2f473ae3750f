#include <spdlog/spdlog.h>

#include "web/log_text.h"
#include "web/pages.h"
#include "web/routes.h"

namespace meridian::web {
namespace {

using suite::SignInVerdict;

// The sign-in page's message for the code its address carries.
std::string signInMessage(const httplib::Request& req) {
  if (req.has_param("failed")) return "Wrong user name or password.";
  if (req.has_param("wait"))
    return SignInVerdict{SignInVerdict::Kind::wait, std::chrono::seconds(std::atoi(req.get_param_value("wait").c_str()))}
        .message();
  if (req.has_param("locked"))
    return SignInVerdict{SignInVerdict::Kind::locked,
                         std::chrono::seconds(std::atoi(req.get_param_value("locked").c_str()))}
        .message();
  return "";
}

std::string refusedAddress(const SignInVerdict& v) {
  const bool locked = v.kind == SignInVerdict::Kind::locked;
  return std::string("/signin?") + (locked ? "locked=" : "wait=") + std::to_string(v.retryAfter.count());
}

std::string passwordMessage(const httplib::Request& req) {
  if (req.has_param("short")) return "The new password needs at least 8 characters.";
  if (req.has_param("differ")) return "The two passwords differ.";
  if (req.has_param("wrong")) return "The present password is wrong.";
  if (req.has_param("same")) return "The new password must differ from the present one.";
  if (req.has_param("wait")) return signInMessage(req);
  if (req.has_param("locked")) return signInMessage(req);
  return "";
}

}  // namespace

void addSignInRoutes(httplib::Server& http, Site& site) {
  http.Get("/signin", [](const httplib::Request& req, httplib::Response& res) {
    replyHtml(res, renderPage("signin", {{"error", signInMessage(req)}}));
  });

  http.Post("/signin", [&site](const httplib::Request& req, httplib::Response& res) {
    const std::string name = req.get_param_value("username");
    const std::string address = req.remote_addr;
    const SignInVerdict verdict = site.throttle.check(name, address);
    if (verdict.kind != SignInVerdict::Kind::allowed) {
      spdlog::warn("sign-in of {} from {} refused: {}", loggable(name), address, verdict.message());
      return res.set_redirect(refusedAddress(verdict), 303);
    }
    auto user = site.app.users().authenticate(name, req.get_param_value("password"));
    if (!user) {
      const auto locked = site.throttle.failed(name, address);
      spdlog::warn("failed sign-in for {} from {}", loggable(name), address);
      for (const auto& what : locked)
        spdlog::warn("sign-in locked for the {} {} after repeated failures", what,
                     what == "user" ? loggable(name) : address);
      return res.set_redirect("/signin?failed=1", 303);
    }
    site.throttle.succeeded(name);
    auto s = site.sessions.create(*user);
    spdlog::info("{} signed in from {}", loggable(user->username), address);
    res.set_header("Set-Cookie", sessionCookie(s->id));
    res.set_redirect(user->mustChangePassword ? "/password" : "/", 303);
  });

  http.Get("/password", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = sessionOf(site, req);
    if (!s) return res.set_redirect("/signin", 303);
    replyHtml(res, renderPage("password", {{"csrf", s->csrf},
                                           {"user", s->user.username},
                                           {"oneTime", s->user.mustChangePassword ? "1" : ""},
                                           {"error", passwordMessage(req)}}));
  });

  // The user's own password: the present one first, even right after a
  // one-time password, so that an unattended session cannot change it.
  http.Post("/password", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, {.right = 0, .changesState = true, .ownPassword = false});
    if (!s) return;
    const std::string present = req.get_param_value("current"), first = req.get_param_value("password"),
                      second = req.get_param_value("again");
    if (first != second) return res.set_redirect("/password?differ=1", 303);
    if (first.size() < 8) return res.set_redirect("/password?short=1", 303);
    const SignInVerdict verdict = site.throttle.check(s->user.username, req.remote_addr);
    if (verdict.kind != SignInVerdict::Kind::allowed)
      return res.set_redirect("/password?" + refusedAddress(verdict).substr(8), 303);
    if (!site.app.users().authenticate(s->user.username, present)) {
      site.throttle.failed(s->user.username, req.remote_addr);
      spdlog::warn("{} gave a wrong present password when changing it", loggable(s->user.username));
      return res.set_redirect("/password?wrong=1", 303);
    }
    if (present == first) return res.set_redirect("/password?same=1", 303);
    site.app.users().setPassword(s->user.username, first);
    // Every other session of the user ends; this one goes on under the new version.
    if (auto fresh = site.app.users().byId(s->user.id)) s->user = *fresh;
    site.sessions.endUser(s->user.id, s->id);
    spdlog::info("{} changed their password", loggable(s->user.username));
    res.set_redirect("/", 303);
  });

  http.Post("/signout", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, {.right = 0, .changesState = true, .ownPassword = false});
    if (!s) return;
    site.sessions.end(s->id);
    spdlog::info("{} signed out", loggable(s->user.username));
    res.set_header("Set-Cookie", expiredSessionCookie());
    if (req.has_param("csrf")) return res.set_redirect("/signin", 303);
    replyJson(res, {{"state", "signedout"}});
  });
}

}  // namespace meridian::web
