#include <iostream>
#include <memory>

#include "cli/command.h"
#include "suite/application.h"
#include "suite/engine/compute_json.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::cli {
namespace {

struct ComputeOptions {
  bool json = false;
  std::string client, ay, dataSet;
};

// A stored year: its tables read into the computation. What the tables hold
// that the computation does not take yet is named on standard error.
int computeStoredYear(const GlobalOptions& g, const ComputeOptions& o) {
  const int year = yearOfAssessmentYear(o.ay);
  suite::Application a({g.dataDir, g.dbUrl});
  try {
    const auto loaded = suite::heads::loadYearInput(a.conn(), {o.client, o.dataSet.empty() ? o.client : o.dataSet, year});
    for (const auto& note : loaded.notes) std::cerr << "compute: " << note << '\n';
    std::cout << engine::resultJson(engine::computeYear(loaded.input)).dump(2) << '\n';
    return 0;
  } catch (const suite::heads::CannotLoadYear& e) {
    std::cerr << "compute: " << e.what() << '\n';
    return 2;
  } catch (const engine::CannotCompute& e) {
    std::cerr << "compute: " << e.what() << '\n';
    return 2;
  }
}

}  // namespace

void addComputeCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand(
      "compute", "compute one client year: JSON in on standard input, or the stored year of --client, JSON out");
  auto o = std::make_shared<ComputeOptions>();
  sub->add_flag("--json", o->json, "read and write JSON (the only form this command speaks)");
  sub->add_option("--client", o->client, "compute the stored year of this client instead of reading JSON");
  sub->add_option("--ay", o->ay, "the assessment year of --client, e.g. 2016-17");
  sub->add_option("--dataset", o->dataSet, "the data set of --client (C^R-2 ...); default the client's own");
  addGlobalOptions(*sub, g);
  sub->callback([&chosen, &g, o] {
    chosen = [&g, o] {
      if (!o->json) {
        std::cerr << "meridian: compute needs --json\n";
        return 2;
      }
      if (o->client.empty() != o->ay.empty()) {
        std::cerr << "meridian: compute needs --client and --ay together\n";
        return 2;
      }
      if (!o->client.empty()) return guarded([&] { return computeStoredYear(g, *o); });
      return engine::runComputeJson(std::cin, std::cout, std::cerr);
    };
  });
}

}  // namespace meridian::cli
