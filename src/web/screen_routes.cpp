#include "common/embedded_files.h"
#include "host/screen_registry.h"
#include "common/rights.h"
#include "ui/failure.h"
#include "web/home_tiles.h"
#include "web/pages.h"
#include "web/render_form.h"
#include "web/routes.h"
#include "web/screen_events.h"
#include "web/screen_update.h"

namespace meridian::web {
namespace {

using json = nlohmann::json;

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

constexpr Need kModule{.right = rights::useIncomeTax, .changesState = true, .ownPassword = true};
constexpr Need kModuleRead{.right = rights::useIncomeTax, .changesState = false, .ownPassword = true};

}  // namespace

void addScreenRoutes(httplib::Server& http, Site& site) {
  http.Get("/", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = sessionOf(site, req);
    if (!s) return res.set_redirect("/signin", 303);
    if (s->user.mustChangePassword) return res.set_redirect("/password", 303);
    const bool admin = s->user.holds(rights::administer);
    if (!s->user.holds(rights::useIncomeTax)) {
      return replyHtml(res, renderPage("noright", {{"csrf", s->csrf},
                                                   {"user", s->user.username},
                                                   {"message", missingRightMessage(rights::useIncomeTax)},
                                                   {"admin", admin ? "1" : ""}}));
    }
    // The page asks for its tab's screens itself (POST /tab).
    const std::string tiles = homeTiles([&s](int right) { return s->user.holds(right); });
    replyHtml(res, renderPage("app", {{"csrf", s->csrf}, {"user", s->user.username}, {"admin", admin ? "1" : ""},
                                      {"tiles", tiles}}));
  });

  http.Get("/favicon.ico", [](const httplib::Request&, httplib::Response& res) {
    auto bytes = embedded::find("web/static/favicon.svg");
    if (!bytes) return replyError(res, 404, "There is no such file.");
    res.set_content(std::string(*bytes), "image/svg+xml");
  });

  // A page takes its tab: the one it had before a reload, or a new one with
  // screens of its own. The answer is the tab's screen, whole, or the
  // question its screen waits on.
  http.Post("/tab", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModule);
    if (!s) return;
    json body = json::parse(req.body, nullptr, false);
    const std::string resume = body.is_object() && body.contains("resume") && body["resume"].is_string()
                                   ? body["resume"].get<std::string>()
                                   : "";
    auto t = site.sessions.openTab(*s, resume);
    std::lock_guard lock(t->renderMutex);
    EventOutcome waiting;
    if (auto d = t->dialogs.pending()) waiting = {EventOutcome::State::dialog, d, {}};
    else if (t->dialogs.busy()) waiting.state = EventOutcome::State::busy;
    json out = outcomeJson(*t, waiting, true);
    out["tab"] = t->id;
    replyJson(res, out);
  });

  http.Post("/open", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModule);
    if (!s) return;
    json body = json::parse(req.body, nullptr, false);
    std::string what = body.is_object() ? body.value("what", "") : "";
    int mode = body.is_object() ? body.value("mode", 1) : 1;
    if (!host::ScreenRegistry::instance().find(what)) return replyError(res, 400, "There is no such screen.");
    auto t = tabOf(*s, req, res);
    if (!t) return;
    std::lock_guard lock(t->renderMutex);
    auto outcome = t->dialogs.run([t, what, mode] {
      ui::runTold(t->work->desktop().dialogs(), "opening " + what,
                  [&] { t->work->component().open(what, {.mode = mode}); });
    });
    replyJson(res, outcomeJson(*t, outcome));
  });

  http.Post("/ev", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModule);
    if (!s) return;
    json body = json::parse(req.body, nullptr, false);
    auto event = eventFromJson(body);
    if (!event) return replyError(res, 400, "The page sent an event the server cannot read.");
    auto t = tabOf(*s, req, res);
    if (!t) return;
    std::string formName = body.value("form", "");
    json values = body.contains("values") ? body["values"] : json::object();
    std::lock_guard lock(t->renderMutex);
    if (body.contains("grids") && formName == t->view.form) readGridWindows(body["grids"], t->view.windows);
    auto outcome = t->dialogs.run([t, formName, values, e = *event]() mutable {
      ui::runTold(t->work->desktop().dialogs(), formName + " event", [&] {
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
    });
    replyJson(res, outcomeJson(*t, outcome));
  });

  http.Post("/dialog", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModule);
    if (!s) return;
    json body = json::parse(req.body, nullptr, false);
    if (!body.is_object()) return replyError(res, 400, "The page sent an answer the server cannot read.");
    std::optional<std::string> typed;
    if (body.contains("text") && body["text"].is_string()) typed = body["text"].get<std::string>();
    auto t = tabOf(*s, req, res);
    if (!t) return;
    std::lock_guard lock(t->renderMutex);
    auto outcome = t->dialogs.answer(body.value("id", 0LL), answerFromText(body.value("answer", "cancel")), typed);
    replyJson(res, outcomeJson(*t, outcome));
  });

  // More rows of a grid as the user scrolls: the table body for the window.
  http.Get("/grid", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModuleRead);
    if (!s) return;
    auto t = tabOf(*s, req, res);
    if (!t) return;
    std::lock_guard lock(t->renderMutex);
    if (t->dialogs.busy()) return replyError(res, 409, "The screen is still working; try again in a moment.");
    ui::Form* active = t->work->desktop().active();
    const std::string name = req.get_param_value("grid");
    ui::Control* grid = active && active->name() == t->view.form ? active->find(name) : nullptr;
    if (!grid || !grid->grid) return replyError(res, 404, "That list is no longer on the screen.");
    RowWindow w{std::max(0, std::atoi(req.get_param_value("first").c_str())),
                std::clamp(std::atoi(req.get_param_value("count").c_str()), 1, kGridWindowLimit)};
    w = clampWindow(*grid->grid, w);
    std::string body = renderGridBody(*grid, w);
    // The page now holds these rows: the next answer starts from them.
    t->view.windows[name] = w;
    t->view.pieces[name + "/rows"] = std::hash<std::string>{}(body);
    replyJson(res, {{"total", grid->grid->visibleCount()}, {"first", w.first}, {"html", body}});
  });
}

}  // namespace meridian::web
