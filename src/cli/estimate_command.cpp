#include <iostream>
#include <memory>

#include "cli/command.h"
#include "forms/estimator/estimate_json.h"
#include "forms/estimator/instalments.h"
#include "host/due_date_store.h"
#include "suite/application.h"

namespace meridian::cli {

namespace est = forms::estimator;

void addEstimateCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("estimate",
                                 "estimate tax for one case: JSON in on standard input, JSON out; with --data or --db "
                                 "the instalment due dates the practice stored are used");
  auto json = std::make_shared<bool>(false);
  sub->add_flag("--json", *json, "read and write JSON (the only form this command speaks)");
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen, json] {
    chosen = [&g, json] {
      if (!*json) {
        std::cerr << "meridian: estimate needs --json\n";
        return 2;
      }
      // Without a practice named the statutory dates serve, so a bare
      // estimate never creates a database in a default folder.
      if (g.dataDir.empty() && g.dbUrl.empty()) return est::runEstimateJson(std::cin, std::cout, std::cerr);
      suite::Application a({g.dataDir, g.dbUrl});
      const est::StoredDueDates stored = [&a](int year) -> std::optional<est::InstalmentDates> {
        const auto texts = host::readInstalments(a.conn(), year);
        if (!texts) return std::nullopt;
        auto dates = est::instalmentDatesFromTexts(*texts);
        if (!dates) throw std::runtime_error("the instalment dates stored for the year are not dates dd/mm/yyyy");
        return dates;
      };
      return est::runEstimateJson(std::cin, std::cout, std::cerr, stored);
    };
  });
}

}  // namespace meridian::cli
