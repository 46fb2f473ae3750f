#include "web/site.h"

#include "common/rights.h"

namespace meridian::web {

void replyJson(httplib::Response& res, const nlohmann::json& body, int status) {
  res.status = status;
  res.set_content(body.dump(), "application/json");
}

void replyHtml(httplib::Response& res, const std::string& html) { res.set_content(html, "text/html; charset=utf-8"); }

void replyError(httplib::Response& res, int status, const std::string& message) {
  const char* state = status == 401 ? "signedout" : status == 403 ? "forbidden" : "error";
  replyJson(res, {{"state", state}, {"message", message}}, status);
}

std::string cookieValue(const httplib::Request& req, const std::string& name) {
  std::string header = req.get_header_value("Cookie");
  size_t pos = 0;
  while (pos < header.size()) {
    size_t end = header.find(';', pos);
    std::string part = header.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    while (!part.empty() && part.front() == ' ') part.erase(0, 1);
    if (part.rfind(name + "=", 0) == 0) return part.substr(name.size() + 1);
    if (end == std::string::npos) break;
    pos = end + 1;
  }
  return "";
}

std::string sessionCookie(const std::string& id) {
  return std::string(kSessionCookie) + "=" + id + "; HttpOnly; SameSite=Strict; Path=/";
}

std::string expiredSessionCookie() { return std::string(kSessionCookie) + "=; HttpOnly; SameSite=Strict; Path=/; Max-Age=0"; }

std::shared_ptr<WebSession> sessionOf(Site& site, const httplib::Request& req) {
  std::string id = cookieValue(req, kSessionCookie);
  return id.empty() ? nullptr : site.sessions.find(id);
}

std::shared_ptr<PageTab> tabOf(WebSession& s, const httplib::Request& req, httplib::Response& res) {
  std::string id = req.get_header_value("X-Tab");
  if (id.empty()) id = req.get_param_value("tab");
  auto t = s.tab(id);
  if (!t)
    replyJson(res, {{"state", "tabclosed"}, {"message", "This tab was closed to make room for newer ones. Reload the page."}},
              410);
  return t;
}

std::string missingRightMessage(int right) {
  if (right == rights::administer)
    return "You do not have the right to manage users (right 199). Ask your administrator.";
  if (right == rights::useIncomeTax)
    return "You do not have the right to use the income-tax module (right 100). Ask your administrator.";
  return "You do not have the right for this work (right " + std::to_string(right) + ").";
}

std::shared_ptr<WebSession> admit(Site& site, const httplib::Request& req, httplib::Response& res, Need need) {
  auto s = sessionOf(site, req);
  if (!s) {
    replyError(res, 401, "Please sign in again.");
    return nullptr;
  }
  if (need.changesState) {
    // The token comes in a header from the page's script, or in the form a page posts.
    std::string token = req.get_header_value("X-CSRF-Token");
    if (token.empty()) token = req.get_param_value("csrf");
    if (token != s->csrf) {
      replyError(res, 403, "This page is out of date. Reload it and try again.");
      return nullptr;
    }
  }
  if (need.ownPassword && s->user.mustChangePassword) {
    replyError(res, 403, "Choose your own password first.");
    return nullptr;
  }
  if (need.right && !s->user.holds(need.right)) {
    replyError(res, 403, missingRightMessage(need.right));
    return nullptr;
  }
  return s;
}

}  // namespace meridian::web
