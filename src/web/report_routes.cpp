#include "common/rights.h"
#include "suite/report/html_renderer.h"
#include "web/pages.h"
#include "web/routes.h"

namespace meridian::web {
namespace {

constexpr Need kModuleRead{.right = rights::useIncomeTax, .changesState = false, .ownPassword = true};

// The report of one of the session's tabs, by the id the page was given (tab,
// "_", report), when it may be shown: every protected client it shows must be
// open in that tab (its present password given).
const suite::FinishedReport* showable(WebSession& s, const std::string& id, httplib::Response& res) {
  const auto cut = id.rfind('_');
  auto t = cut == std::string::npos ? nullptr : s.tab(id.substr(0, cut));
  const suite::FinishedReport* r = t ? t->work->report(id.substr(cut + 1)) : nullptr;
  if (!r) {
    replyError(res, 404, "This report is no longer available. Print it again from its screen.");
    return nullptr;
  }
  for (const auto& code : r->clients) {
    if (!t->work->clientAccess().mayOpen(code, true)) {
      replyError(res, 403, "This report shows client " + code +
                               ", which is protected by a password not given in this session. Open the client first.");
      return nullptr;
    }
  }
  return r;
}

}  // namespace

void addReportRoutes(httplib::Server& http, Site& site) {
  http.Get("/static/report-pages.css", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(suite::report::reportPagesCss(), "text/css; charset=utf-8");
  });

  http.Get(R"(/report/(\w+))", [&site](const httplib::Request& req, httplib::Response& res) {
    if (!sessionOf(site, req)) return res.set_redirect("/signin", 303);
    auto s = admit(site, req, res, kModuleRead);
    if (!s) return;
    const std::string id = req.matches[1].str();
    const suite::FinishedReport* r = showable(*s, id, res);
    if (!r) return;
    replyHtml(res, renderPage("report", {{"title", r->title},
                                         {"id", id},
                                         {"pages", std::to_string(r->pages)},
                                         {"body", r->pagesHtml}}));
  });

  http.Get(R"(/report/(\w+)\.pdf)", [&site](const httplib::Request& req, httplib::Response& res) {
    auto s = admit(site, req, res, kModuleRead);
    if (!s) return;
    const std::string id = req.matches[1].str();
    const suite::FinishedReport* r = showable(*s, id, res);
    if (!r) return;
    if (!r->pdf) return replyError(res, 404, "This report has no PDF.");
    res.set_content(r->pdf(), "application/pdf");
    res.set_header("Content-Disposition", "attachment; filename=\"report-" + id + ".pdf\"");
  });
}

}  // namespace meridian::web
