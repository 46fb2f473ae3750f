#include <iostream>

#include "cli/command.h"
#include "forms/estimator/estimate_json.h"

namespace meridian::cli {

void addEstimateCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("estimate", "estimate tax for one case: JSON in on standard input, JSON out");
  auto json = std::make_shared<bool>(false);
  sub->add_flag("--json", *json, "read and write JSON (the only form this command speaks)");
  addGlobalOptions(*sub, g);
  sub->callback([&chosen, json] {
    chosen = [json] {
      if (!*json) {
        std::cerr << "meridian: estimate needs --json\n";
        return 2;
      }
      return forms::estimator::runEstimateJson(std::cin, std::cout, std::cerr);
    };
  });
}

}  // namespace meridian::cli
