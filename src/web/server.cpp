#include "web/server.h"

#include <httplib.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <spdlog/spdlog.h>

#include <nlohmann/json.hpp>

#include "common/embedded_files.h"
#include "host/screen_registry.h"
#include "suite/report/html_renderer.h"
#include "web/home_tiles.h"
#include "web/html.h"
#include "web/pages.h"
#include "web/render_form.h"
#include "web/screen_events.h"
#include "web/screen_update.h"
#include "web/session_registry.h"

namespace meridian::web {
namespace {

using json = nlohmann::json;
constexpr const char* kCookie = "meridian_session";

std::string contentType(const std::string& path) {
  static const std::map<std::string, std::string> types = {
      {".js", "text/javascript; charset=utf-8"}, {".css", "text/css; charset=utf-8"},
      {".html", "text/html; charset=utf-8"},     {".svg", "image/svg+xml"},
      {".png", "image/png"},                     {".ico", "image/x-icon"}};
  auto dot = path.rfind('.');
  auto it = dot == std::string::npos ? types.end() : types.find(path.substr(dot));
  return it == types.end() ? "application/octet-stream" : it->second;
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

void securityHeaders(httplib::Response& res) {
  res.set_header("Content-Security-Policy",
                 "default-src 'self'; style-src 'self'; script-src 'self'; frame-ancestors 'none'; form-action 'self'");
  res.set_header("X-Content-Type-Options", "nosniff");
  res.set_header("Referrer-Policy", "no-referrer");
  res.set_header("Cache-Control", "no-store");
}

ui::Answer answerFromText(const std::string& a) {
  if (a == "yes") return ui::Answer::yes;
  if (a == "no") return ui::Answer::no;
  if (a == "ok") return ui::Answer::ok;
  return ui::Answer::cancel;
}

const char* iconName(ui::Icon i) {
  switch (i) {
    case ui::Icon::information: return "information";
    case ui::Icon::exclamation: return "exclamation";
    case ui::Icon::critical: return "critical";
    case ui::Icon::question: return "question";
    case ui::Icon::none: return "none";
  }
  return "none";
}

const char* buttonsName(ui::Buttons b) {
  switch (b) {
    case ui::Buttons::ok: return "ok";
    case ui::Buttons::yesNo: return "yesno";
    case ui::Buttons::yesNoCancel: return "yesnocancel";
    case ui::Buttons::okCancel: return "okcancel";
  }
  return "ok";
}

const char* answerName(ui::Answer a) {
  switch (a) {
    case ui::Answer::ok: return "ok";
    case ui::Answer::yes: return "yes";
    case ui::Answer::no: return "no";
    case ui::Answer::cancel: return "cancel";
  }
  return "cancel";
}

}  // namespace

ListenAddress ListenAddress::parse(const std::string& text) {
  ListenAddress a;
  auto colon = text.rfind(':');
  std::string port = colon == std::string::npos ? text : text.substr(colon + 1);
  if (colon != std::string::npos) a.host = text.substr(0, colon);
  if (a.host.size() > 1 && a.host.front() == '[' && a.host.back() == ']') a.host = a.host.substr(1, a.host.size() - 2);
  try {
    size_t used = 0;
    a.port = std::stoi(port, &used);
    if (used != port.size() || a.port < 0 || a.port > 65535) throw std::invalid_argument("port");
  } catch (...) {
    throw std::invalid_argument("listen address must be ADDR:PORT, got " + text);
  }
  if (a.host.empty()) throw std::invalid_argument("listen address has no host: " + text);
  return a;
}

void checkCanListen(const ListenAddress& address) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string port = std::to_string(address.port);
  if (getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found) != 0 || !found)
    throw std::runtime_error("cannot listen on " + address.host + ":" + port + ": no such address");
  std::string why;
  bool ok = false;
  for (addrinfo* a = found; a && !ok; a = a->ai_next) {
    int fd = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (fd < 0) continue;
    int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0) ok = true;
    else why = std::strerror(errno);
    ::close(fd);
  }
  freeaddrinfo(found);
  if (!ok) throw std::runtime_error("cannot listen on " + address.host + ":" + port + ": " + why);
}

struct Server::Impl {
  explicit Impl(suite::Application& a) : app(a), sessions(a) {}
  suite::Application& app;
  SessionRegistry sessions;
  httplib::Server http;

  std::shared_ptr<WebSession> signedIn(const httplib::Request& req) {
    std::string id = cookieValue(req, kCookie);
    return id.empty() ? nullptr : sessions.find(id);
  }

  // State-changing requests carry the session's CSRF token in a header.
  std::shared_ptr<WebSession> authorised(const httplib::Request& req, httplib::Response& res) {
    auto s = signedIn(req);
    if (!s) {
      res.status = 401;
      res.set_content(R"({"state":"signedout"})", "application/json");
      return nullptr;
    }
    if (req.get_header_value("X-CSRF-Token") != s->csrf || s->user.mustChangePassword) {
      res.status = 403;
      res.set_content(R"({"state":"forbidden"})", "application/json");
      return nullptr;
    }
    return s;
  }

  // The tab a request comes from: the X-Tab header, or the tab parameter of a
  // link. A tab closed since (too many tabs open) is answered plainly.
  std::shared_ptr<PageTab> tabOf(WebSession& s, const httplib::Request& req, httplib::Response& res) {
    std::string id = req.get_header_value("X-Tab");
    if (id.empty()) id = req.get_param_value("tab");
    auto t = s.tab(id);
    if (!t) {
      res.status = 410;
      res.set_content(R"({"state":"tabclosed"})", "application/json");
    }
    return t;
  }

  json outcomeJson(PageTab& t, const EventOutcome& o, bool wholeScreen = false) {
    json out;
    switch (o.state) {
      case EventOutcome::State::done: out["state"] = "done"; break;
      case EventOutcome::State::dialog: out["state"] = "dialog"; break;
      case EventOutcome::State::busy: out["state"] = "busy"; break;
      case EventOutcome::State::closed: out["state"] = "closed"; break;
    }
    if (o.dialog) {
      const auto& d = *o.dialog;
      out["dialog"] = {{"id", d.id},
                       {"text", d.message.text},
                       {"title", d.message.title.empty() ? std::string("Meridian") : d.message.title},
                       {"icon", iconName(d.message.icon)},
                       {"buttons", buttonsName(d.message.buttons)},
                       {"default", answerName(d.message.defaultAnswer)},
                       {"prompt", d.isPrompt},
                       {"secret", d.secret}};
    }
    // While a handler waits on a question its screen is paused mid-way; the
    // page keeps showing what it had.
    if (o.state == EventOutcome::State::done) out.update(screenAnswer(t.work->desktop(), t.view, wholeScreen, t.id + "_"));
    return out;
  }

  // A report of one of the session's tabs, by the id the page was given (tab, "_", report).
  const suite::FinishedReport* reportOf(WebSession& s, const std::string& id) {
    const auto cut = id.rfind('_');
    auto t = cut == std::string::npos ? nullptr : s.tab(id.substr(0, cut));
    return t ? t->work->report(id.substr(cut + 1)) : nullptr;
  }

  void reply(httplib::Response& res, const json& j) { res.set_content(j.dump(), "application/json"); }

  void routes() {
    http.set_post_routing_handler([](const httplib::Request&, httplib::Response& res) { securityHeaders(res); });

    http.Get("/static/report-pages.css", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(suite::report::reportPagesCss(), "text/css; charset=utf-8");
    });

    http.Get(R"(/static/(.+))", [](const httplib::Request& req, httplib::Response& res) {
      std::string path = "web/static/" + req.matches[1].str();
      auto bytes = embedded::find(path);
      if (!bytes) {
        res.status = 404;
        return;
      }
      res.set_content(std::string(*bytes), contentType(path).c_str());
    });

    http.Get("/signin", [this](const httplib::Request& req, httplib::Response& res) {
      res.set_content(renderPage("signin", {{"error", req.has_param("failed") ? "Wrong user name or password." : ""}}),
                      "text/html; charset=utf-8");
    });

    http.Post("/signin", [this](const httplib::Request& req, httplib::Response& res) {
      auto user = app.users().authenticate(req.get_param_value("username"), req.get_param_value("password"));
      if (!user) {
        spdlog::warn("failed sign-in for {}", req.get_param_value("username"));
        res.set_redirect("/signin?failed=1", 303);
        return;
      }
      auto s = sessions.create(*user);
      res.set_header("Set-Cookie", std::string(kCookie) + "=" + s->id + "; HttpOnly; SameSite=Strict; Path=/");
      res.set_redirect(user->mustChangePassword ? "/password" : "/", 303);
    });

    // A one-time password must be replaced before any screen opens.
    http.Get("/password", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = signedIn(req);
      if (!s) return res.set_redirect("/signin", 303);
      res.set_content(renderPage("password", {{"csrf", s->csrf},
                                              {"user", s->user.username},
                                              {"error", req.has_param("short") ? "The new password needs at least 8 characters."
                                                        : req.has_param("differ") ? "The two passwords differ."
                                                        : req.has_param("same")
                                                            ? "The new password must differ from the one-time password."
                                                            : ""}}),
                      "text/html; charset=utf-8");
    });

    http.Post("/password", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = signedIn(req);
      if (!s) return res.set_redirect("/signin", 303);
      if (req.get_param_value("csrf") != s->csrf) {
        res.status = 403;
        return;
      }
      const std::string first = req.get_param_value("password"), second = req.get_param_value("again");
      if (first != second) return res.set_redirect("/password?differ=1", 303);
      if (first.size() < 8) return res.set_redirect("/password?short=1", 303);
      // A one-time password was seen by whoever handed it over: it may not stay.
      if (app.users().authenticate(s->user.username, first)) return res.set_redirect("/password?same=1", 303);
      app.users().setPassword(s->user.username, first);
      s->user.mustChangePassword = false;
      res.set_redirect("/", 303);
    });

    http.Post("/signout", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = authorised(req, res);
      if (!s) return;
      sessions.end(s->id);
      res.set_header("Set-Cookie", std::string(kCookie) + "=; HttpOnly; SameSite=Strict; Path=/; Max-Age=0");
      reply(res, {{"state", "signedout"}});
    });

    http.Get("/", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = signedIn(req);
      if (!s) {
        res.set_redirect("/signin", 303);
        return;
      }
      if (s->user.mustChangePassword) return res.set_redirect("/password", 303);
      // The page asks for its tab's screens itself (POST /tab).
      const std::string tiles = homeTiles([&s](int right) { return s->user.holds(right); });
      res.set_content(renderPage("app", {{"csrf", s->csrf}, {"user", s->user.username}, {"tiles", tiles}}),
                      "text/html; charset=utf-8");
    });

    http.Get("/favicon.ico", [](const httplib::Request&, httplib::Response& res) {
      if (auto bytes = embedded::find("web/static/favicon.svg")) res.set_content(std::string(*bytes), "image/svg+xml");
      else res.status = 404;
    });

    // A page takes its tab: the one it had before a reload, or a new one with
    // screens of its own. The answer is the tab's screen, whole, or the
    // question its screen waits on.
    http.Post("/tab", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = authorised(req, res);
      if (!s) return;
      json body = json::parse(req.body, nullptr, false);
      const std::string resume = body.is_object() && body.contains("resume") && body["resume"].is_string()
                                     ? body["resume"].get<std::string>()
                                     : "";
      auto t = sessions.openTab(*s, resume);
      std::lock_guard lock(t->renderMutex);
      EventOutcome waiting;
      if (auto d = t->dialogs.pending()) waiting = {EventOutcome::State::dialog, d, {}};
      else if (t->dialogs.busy()) waiting.state = EventOutcome::State::busy;
      json out = outcomeJson(*t, waiting, true);
      out["tab"] = t->id;
      reply(res, out);
    });

    http.Post("/open", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = authorised(req, res);
      if (!s) return;
      json body = json::parse(req.body, nullptr, false);
      std::string what = body.is_object() ? body.value("what", "") : "";
      int mode = body.is_object() ? body.value("mode", 1) : 1;
      if (!host::ScreenRegistry::instance().find(what)) {
        res.status = 400;
        return;
      }
      auto t = tabOf(*s, req, res);
      if (!t) return;
      std::lock_guard lock(t->renderMutex);
      auto outcome = t->dialogs.run([t, what, mode] { t->work->component().open(what, {.mode = mode}); });
      reply(res, outcomeJson(*t, outcome));
    });

    http.Post("/ev", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = authorised(req, res);
      if (!s) return;
      json body = json::parse(req.body, nullptr, false);
      auto event = eventFromJson(body);
      if (!event) {
        res.status = 400;
        return;
      }
      auto t = tabOf(*s, req, res);
      if (!t) return;
      std::string formName = body.value("form", "");
      json values = body.contains("values") ? body["values"] : json::object();
      std::lock_guard lock(t->renderMutex);
      if (body.contains("grids") && formName == t->view.form) readGridWindows(body["grids"], t->view.windows);
      auto outcome = t->dialogs.run([t, formName, values, e = *event]() mutable {
        ui::Form* form = nullptr;
        for (const auto& f : t->work->desktop().forms())
          if (f->name() == formName) form = f.get();
        if (!form) return;
        // What the user changed on the page since it was last told: sent
        // again after the event, so a value the handler put back shows.
        for (const auto& piece : applyValues(*form, values)) t->view.pieces.erase(piece);
        for (const auto& piece : piecesTypedInto(e)) t->view.pieces.erase(piece);
        deliver(*form, e);
      });
      reply(res, outcomeJson(*t, outcome));
    });

    http.Post("/dialog", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = authorised(req, res);
      if (!s) return;
      json body = json::parse(req.body, nullptr, false);
      if (!body.is_object()) {
        res.status = 400;
        return;
      }
      std::optional<std::string> typed;
      if (body.contains("text") && body["text"].is_string()) typed = body["text"].get<std::string>();
      auto t = tabOf(*s, req, res);
      if (!t) return;
      std::lock_guard lock(t->renderMutex);
      auto outcome = t->dialogs.answer(body.value("id", 0LL), answerFromText(body.value("answer", "cancel")), typed);
      reply(res, outcomeJson(*t, outcome));
    });

    // More rows of a grid as the user scrolls: the table body for the window.
    http.Get("/grid", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = signedIn(req);
      if (!s) {
        res.status = 401;
        return;
      }
      auto t = tabOf(*s, req, res);
      if (!t) return;
      std::lock_guard lock(t->renderMutex);
      if (t->dialogs.busy()) {
        res.status = 409;
        return;
      }
      ui::Form* active = t->work->desktop().active();
      const std::string name = req.get_param_value("grid");
      ui::Control* grid = active && active->name() == t->view.form ? active->find(name) : nullptr;
      if (!grid || !grid->grid) {
        res.status = 404;
        return;
      }
      RowWindow w{std::max(0, std::atoi(req.get_param_value("first").c_str())),
                  std::clamp(std::atoi(req.get_param_value("count").c_str()), 1, kGridWindowLimit)};
      w = clampWindow(*grid->grid, w);
      std::string body = renderGridBody(*grid, w);
      // The page now holds these rows: the next answer starts from them.
      t->view.windows[name] = w;
      t->view.pieces[name + "/rows"] = std::hash<std::string>{}(body);
      reply(res, {{"total", grid->grid->visibleCount()}, {"first", w.first}, {"html", body}});
    });

    http.Get(R"(/report/(\w+))", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = signedIn(req);
      if (!s) {
        res.set_redirect("/signin", 303);
        return;
      }
      const suite::FinishedReport* r = reportOf(*s, req.matches[1].str());
      if (!r) {
        res.status = 404;
        return;
      }
      res.set_content(renderPage("report", {{"title", r->title},
                                            {"id", req.matches[1].str()},
                                            {"pages", std::to_string(r->pages)},
                                            {"body", r->pagesHtml}}),
                      "text/html; charset=utf-8");
    });

    http.Get(R"(/report/(\w+)\.pdf)", [this](const httplib::Request& req, httplib::Response& res) {
      auto s = signedIn(req);
      const suite::FinishedReport* r = s ? reportOf(*s, req.matches[1].str()) : nullptr;
      if (!r || !r->pdf) {
        res.status = 404;
        return;
      }
      res.set_content(r->pdf(), "application/pdf");
      res.set_header("Content-Disposition", "attachment; filename=\"report-" + req.matches[1].str() + ".pdf\"");
    });
  }
};

Server::Server(suite::Application& app) : impl_(std::make_unique<Impl>(app)) { impl_->routes(); }
Server::~Server() = default;

int Server::bind(const ListenAddress& address) {
  int port = address.port == 0 ? impl_->http.bind_to_any_port(address.host) : (impl_->http.bind_to_port(address.host, address.port) ? address.port : -1);
  if (port <= 0)
    throw std::runtime_error("cannot listen on " + address.host + ":" + std::to_string(address.port) +
                             " (address in use or not available)");
  return port;
}

void Server::run() { impl_->http.listen_after_bind(); }
void Server::stop() { impl_->http.stop(); }

}  // namespace meridian::web
