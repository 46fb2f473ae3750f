#include <chrono>
#include <iostream>
#include <memory>

#include "cli/command.h"
#include "itr/return_review.h"
#include "suite/application.h"

namespace meridian::cli {
namespace {

struct CheckOptions {
  bool json = false, paper = false;
  std::string client, ay, dataSet, form;
};

// The forms that apply to a stored year, with the reasons for each refused
// one, and every check before a return is produced: what the return screen
// shows, for a batch of clients. Exit code 0 when the return may be
// produced, 3 when a check stops it or the form may not be used.
int checkStoredYear(const GlobalOptions& g, const CheckOptions& o) {
  const int year = yearOfAssessmentYear(o.ay);
  suite::Application a({g.dataDir, g.dbUrl});
  const auto today = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
  const auto review = itr::reviewReturn(
      a.conn(), {o.dataSet.empty() ? o.client : o.dataSet, year, o.form, !o.paper, today});
  if (review.year.clientName.empty() && review.year.statusCode.empty()) {
    std::cerr << "check: no client has the code " << o.client << '\n';
    return 2;
  }
  const auto out = itr::reviewJson(review);
  std::cout << out.dump(2) << '\n';
  return out["ready"].get<bool>() ? 0 : 3;
}

}  // namespace

void addCheckCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("check", "which return forms apply to a client year, and the checks before a return");
  auto o = std::make_shared<CheckOptions>();
  sub->add_flag("--json", o->json, "write JSON (the only form this command speaks)");
  sub->add_option("--client", o->client, "the client code")->required();
  sub->add_option("--ay", o->ay, "the assessment year, e.g. 2014-15")->required();
  sub->add_option("--form", o->form, "the form to check (ITR-1 ...); default the simplest that applies, in the family's order");
  sub->add_option("--dataset", o->dataSet, "the data set (C^R-2 ...); default the client's own");
  sub->add_flag("--paper", o->paper, "a paper return: only the checks of both modes run");
  addGlobalOptions(*sub, g);
  sub->callback([&chosen, &g, o] {
    chosen = [&g, o] {
      if (!o->json) {
        std::cerr << "meridian: check needs --json\n";
        return 2;
      }
      return guarded([&] { return checkStoredYear(g, *o); });
    };
  });
}

}  // namespace meridian::cli
