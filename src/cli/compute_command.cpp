#include <iostream>
#include <memory>

#include "cli/command.h"
#include "suite/engine/compute_json.h"

namespace meridian::cli {

void addComputeCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("compute", "compute one client year: JSON in on standard input, JSON out");
  auto json = std::make_shared<bool>(false);
  sub->add_flag("--json", *json, "read and write JSON (the only form this command speaks)");
  sub->callback([&chosen, json] {
    chosen = [json] {
      if (!*json) {
        std::cerr << "meridian: compute needs --json\n";
        return 2;
      }
      return engine::runComputeJson(std::cin, std::cout, std::cerr);
    };
  });
}

}  // namespace meridian::cli
