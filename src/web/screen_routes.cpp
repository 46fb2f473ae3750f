#include "forms/revcalc_form.h"
#include "register/income_form.h"
#include "suite/rights.h"
#include "ui/failure.h"
#include "web/pages.h"
#include "web/render_form.h"
#include "web/routes.h"
#include "web/screen_events.h"

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

json outcomeJson(WebSession& s, const EventOutcome& o) {
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
  if (o.state == EventOutcome::State::done) {
    ui::Desktop& desk = s.work->desktop();
    ui::Form* active = desk.active();
    out["html"] = active ? renderForm(*active) : "";
    out["title"] = active ? active->caption : "Meridian";
    out["previews"] = desk.pendingPreviews;
    desk.pendingPreviews.clear();
    out["menu"] = desk.menuRequested;
    desk.menuRequested = false;
  }
  return out;
}

constexpr Need kModule{.right = suite::rights::useIncomeTax, .changesState = true, .ownPassword = true};
constexpr Need kModuleRead{.right = suite::rights::useIncomeTax, .changesState = false, .ownPassword = true};

}  // namespace

void addScreenRoutes(httplib::Server& http, Site& site) {
  http.Get("/", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = sessionOf(site, req);
    if (!s) return res.set_redirect("/signin", 303);
    if (s->user.mustChangePassword) return res.set_redirect("/password", 303);
    const bool admin = s->user.holds(suite::rights::administer);
    if (!s->user.holds(suite::rights::useIncomeTax)) {
      return replyHtml(res, renderPage("noright", {{"csrf", s->csrf},
                                                   {"user", s->user.username},
                                                   {"message", missingRightMessage(suite::rights::useIncomeTax)},
                                                   {"admin", admin ? "1" : ""}}));
    }
    std::lock_guard lock(s->renderMutex);
    ui::Form* active = s->work->desktop().active();
    replyHtml(res, renderPage("app", {{"csrf", s->csrf},
                                      {"user", s->user.username},
                                      {"admin", admin ? "1" : ""},
                                      {"screen", active ? renderForm(*active) : ""}}));
  });

  http.Post("/open", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModule);
    if (!s) return;
    json body = json::parse(req.body, nullptr, false);
    std::string what = body.is_object() ? body.value("what", "") : "";
    int mode = body.is_object() ? body.value("mode", 1) : 1;
    if (what != "income" && what != "estimator") return replyError(res, 400, "There is no such screen.");
    std::lock_guard lock(s->renderMutex);
    auto outcome = s->dialogs.run([s, what, mode] {
      ui::runTold(s->work->desktop().dialogs(), "opening " + what, [&] {
        auto& forms = s->work->forms();
        if (what == "income") {
          auto income = forms.ObjIncome();
          if (!income) return;
          income->OpenForm(mode);
          forms.component().showMaximised(income);
        } else if (auto est = forms.ObjRevCalc()) {
          forms.component().showMaximised(est);
        }
      });
    });
    replyJson(res, outcomeJson(*s, outcome));
  });

  http.Post("/ev", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModule);
    if (!s) return;
    json body = json::parse(req.body, nullptr, false);
    auto event = eventFromJson(body);
    if (!event) return replyError(res, 400, "The page sent an event the server cannot read.");
    std::string formName = body.value("form", "");
    json values = body.contains("values") ? body["values"] : json::object();
    std::lock_guard lock(s->renderMutex);
    auto outcome = s->dialogs.run([s, formName, values, e = *event]() mutable {
      ui::runTold(s->work->desktop().dialogs(), formName + " event", [&] {
        ui::Form* form = nullptr;
        for (const auto& f : s->work->desktop().forms())
          if (f->name() == formName) form = f.get();
        if (!form) return;
        applyValues(*form, values);
        deliver(*form, e);
      });
    });
    replyJson(res, outcomeJson(*s, outcome));
  });

  http.Post("/dialog", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModule);
    if (!s) return;
    json body = json::parse(req.body, nullptr, false);
    if (!body.is_object()) return replyError(res, 400, "The page sent an answer the server cannot read.");
    std::optional<std::string> typed;
    if (body.contains("text") && body["text"].is_string()) typed = body["text"].get<std::string>();
    std::lock_guard lock(s->renderMutex);
    auto outcome = s->dialogs.answer(body.value("id", 0LL), answerFromText(body.value("answer", "cancel")), typed);
    replyJson(res, outcomeJson(*s, outcome));
  });

  http.Get("/grid", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModuleRead);
    if (!s) return;
    std::lock_guard lock(s->renderMutex);
    if (s->dialogs.busy()) return replyError(res, 409, "The screen is still working; try again in a moment.");
    ui::Form* active = s->work->desktop().active();
    ui::Control* grid = active ? active->find(req.get_param_value("grid")) : nullptr;
    if (!grid || !grid->grid) return replyError(res, 404, "That list is no longer on the screen.");
    int first = std::max(0, std::atoi(req.get_param_value("first").c_str()));
    int count = std::clamp(std::atoi(req.get_param_value("count").c_str()), 1, 1000);
    replyJson(res, {{"total", grid->grid->visibleCount()}, {"first", first}, {"rows", renderGridRows(*grid, first, count)}});
  });
}

}  // namespace meridian::web
