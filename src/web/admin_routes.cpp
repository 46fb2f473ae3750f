#include <spdlog/spdlog.h>

#include "suite/password_hash.h"
#include "common/rights.h"
#include "web/log_text.h"
#include "web/pages.h"
#include "web/routes.h"

namespace meridian::web {
namespace {

using json = nlohmann::json;

constexpr Need kAdminPage{.right = rights::administer, .changesState = false, .ownPassword = true};
constexpr Need kAdminChange{.right = rights::administer, .changesState = true, .ownPassword = true};

const char* rightName(int right) {
  switch (right) {
    case rights::useIncomeTax: return "Use the income-tax module";
    case rights::unlockReturn: return "Unlock filed returns";
    case rights::administer: return "Manage users and client passwords";
  }
  return "";
}

json usersJson(Site& site) {
  auto users = site.app.users();
  const auto locked = site.throttle.lockedNames();
  json list = json::array();
  for (const auto& u : users.all()) {
    std::string lower = u.username;
    for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    list.push_back({{"username", u.username},
                    {"fullName", u.fullName},
                    {"disabled", u.disabled},
                    {"mustChange", u.mustChangePassword},
                    {"locked", std::find(locked.begin(), locked.end(), lower) != locked.end()},
                    {"rights", std::vector<int>(u.rights.begin(), u.rights.end())}});
  }
  json rights = json::array();
  for (int r : rights::all) rights.push_back({{"number", r}, {"name", rightName(r)}});
  json clients = json::array();
  for (const auto& [code, stamp] : users.clientPasswordStamps()) clients.push_back(code);
  return {{"users", list}, {"rights", rights}, {"protectedClients", clients}};
}

bool isClient(suite::Application& app, const std::string& code) {
  return app.conn().exists("SELECT 1 FROM main_info1 WHERE code_no = ? UNION ALL SELECT 1 FROM owner1 WHERE code = ?",
                           {code, code});
}

// One administrative step: the body's fields in, a sentence for the page out.
using Step = std::function<std::string(Site&, const json& body)>;

std::string text(const json& body, const char* field) {
  return body.is_object() && body.contains(field) && body[field].is_string() ? body[field].get<std::string>() : "";
}

// A change to a user's access ends that user's sessions on this server at
// once (the other servers of the office notice within a second).
void endSessionsOf(Site& site, const std::string& username) {
  if (auto u = site.app.users().find(username)) site.sessions.endUser(u->id);
}

const std::map<std::string, Step>& steps() {
  static const std::map<std::string, Step> all = {
      {"add",
       [](Site& site, const json& body) {
         const std::string name = text(body, "username");
         auto users = site.app.users();
         // Given a one-time password at once: the user chooses their own at the first sign-in.
         users.add(name, suite::randomPassword());
         const std::string oneTime = users.resetPassword(name);
         return "User " + name + " added. One-time password: " + oneTime +
                " (give it to the user; it must be replaced at the first sign-in).";
       }},
      {"disable",
       [](Site& site, const json& body) {
         const std::string name = text(body, "username");
         site.app.users().setDisabled(name, true);
         endSessionsOf(site, name);
         return "User " + name + " is disabled and signed out.";
       }},
      {"enable",
       [](Site& site, const json& body) {
         const std::string name = text(body, "username");
         site.app.users().setDisabled(name, false);
         return "User " + name + " may sign in again.";
       }},
      {"reset",
       [](Site& site, const json& body) {
         const std::string name = text(body, "username");
         const std::string oneTime = site.app.users().resetPassword(name);
         site.throttle.lift(name);
         endSessionsOf(site, name);
         return "New one-time password of " + name + ": " + oneTime + " (it must be replaced at the next sign-in).";
       }},
      {"grant",
       [](Site& site, const json& body) {
         const std::string name = text(body, "username");
         const int right = body.value("right", 0);
         site.app.users().grant(name, right);
         endSessionsOf(site, name);
         return "Right " + std::to_string(right) + " granted to " + name + ".";
       }},
      {"revoke",
       [](Site& site, const json& body) {
         const std::string name = text(body, "username");
         const int right = body.value("right", 0);
         site.app.users().revoke(name, right);
         endSessionsOf(site, name);
         return "Right " + std::to_string(right) + " revoked from " + name + ".";
       }},
      {"unlock",
       [](Site& site, const json& body) {
         const std::string name = text(body, "username");
         site.throttle.lift(name);
         return "Sign-in of " + name + " is no longer locked.";
       }},
      {"client-password",
       [](Site& site, const json& body) {
         const std::string code = text(body, "code");
         if (!isClient(site.app, code)) throw suite::UserError("there is no client " + code);
         site.app.users().setClientPassword(code, text(body, "password"));
         return "Client " + code + " is protected by the new password.";
       }},
      {"client-clear",
       [](Site& site, const json& body) {
         const std::string code = text(body, "code");
         site.app.users().clearClientPassword(code);
         return "Client " + code + " has no password now.";
       }},
  };
  return all;
}

std::string sentenceCase(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  if (!s.empty() && s.back() != '.') s += ".";
  return s;
}

}  // namespace

void addAdminRoutes(httplib::Server& http, Site& site) {
  http.Get("/admin", [&site](const httplib::Request& req, httplib::Response& res) {
    if (!sessionOf(site, req)) return res.set_redirect("/signin", 303);
    auto s = admit(site, req, res, kAdminPage);
    if (!s) return;
    replyHtml(res, renderPage("admin", {{"csrf", s->csrf}, {"user", s->user.username}}));
  });

  http.Get("/admin/users", [&site](const httplib::Request& req, httplib::Response& res) {
    if (!admit(site, req, res, kAdminPage)) return;
    replyJson(res, usersJson(site));
  });

  http.Post(R"(/admin/([a-z-]+))", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kAdminChange);
    if (!s) return;
    auto step = steps().find(req.matches[1].str());
    if (step == steps().end()) return replyError(res, 404, "There is no such step.");
    const json body = json::parse(req.body, nullptr, false);
    try {
      const std::string done = step->second(site, body);
      spdlog::info("{} ({}): {}", loggable(s->user.username), step->first,
                   step->first.rfind("client", 0) == 0 ? loggable(text(body, "code")) : loggable(text(body, "username")));
      json out = usersJson(site);
      out["message"] = done;
      replyJson(res, out);
    } catch (const suite::UserError& e) {
      replyError(res, 400, sentenceCase(e.what()));
    }
  });
}

}  // namespace meridian::web
