// meridian dataset copy|delete|relabel: the data-set engine the register uses,
// for scripts and for recovery by hand.
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "common/years.h"
#include "suite/application.h"
#include "suite/dataset/data_set_engine.h"

namespace meridian::cli {
namespace {

struct DataSetOptions {
  std::string client, ay, from, to;
  bool replace = false, json = false;
};

nlohmann::json asJson(const suite::dataset::DataSetReport& r) {
  nlohmann::json tables = nlohmann::json::array();
  for (const auto& t : r.tables) tables.push_back({{"table", t.table}, {"rows", t.rows}, {"replaced", t.replaced}});
  return {{"operation", r.operation}, {"client", r.client},     {"ay", assessmentYearText(r.year)},
          {"from", r.from},           {"to", r.to},             {"tables", tables},
          {"skipped", r.skipped},     {"files", r.files},       {"warnings", r.warnings},
          {"total_rows", r.totalRows()}};
}

void printText(const suite::dataset::DataSetReport& r) {
  for (const auto& t : r.tables) {
    if (!t.rows && !t.replaced) continue;
    std::cout << t.table << "\t" << t.rows;
    if (t.replaced) std::cout << "\t(" << t.replaced << " rows of the target removed first)";
    std::cout << "\n";
  }
  for (const auto& f : r.files) std::cout << f << "\n";
  std::cout << r.operation << " " << (r.to.empty() ? r.from : r.from + " -> " + r.to) << " A.Y. "
            << assessmentYearText(r.year) << ": " << r.totalRows() << " rows in " << r.tables.size()
            << " tables; " << r.skipped.size() << " listed tables not created yet\n";
}

}  // namespace

void addDataSetCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("dataset", "copy, delete or re-label the data set of a client's year");
  sub->require_subcommand(1);
  auto o = std::make_shared<DataSetOptions>();
  struct Verb {
    const char* name;
    const char* help;
    bool twoCodes;
  };
  for (const Verb v : {Verb{"copy", "copy the data set --from under --to (--replace: over what --to holds)", true},
                       Verb{"delete", "delete the data set --from", false},
                       Verb{"relabel", "store the data set --from under --to (--replace: removing what --to holds)", true}}) {
    auto* verb = sub->add_subcommand(v.name, v.help);
    verb->add_option("--client", o->client, "client code")->required();
    verb->add_option("--ay", o->ay, "assessment year, e.g. 2016-17")->required();
    verb->add_option("--from", o->from, "data-set code (the client code, or C^R-2, C^Z-3, C^A-4)")->required();
    if (v.twoCodes) {
      verb->add_option("--to", o->to, "data-set code to write")->required();
      verb->add_flag("--replace", o->replace, "replace the rows the target holds");
    }
    verb->add_flag("--json", o->json, "print what was done per table as JSON");
    addGlobalOptions(*verb, g);
    const std::string name = v.name;
    verb->callback([&g, &chosen, o, name] {
      chosen = [&g, o, name] {
        const int year = yearOfAssessmentYear(o->ay);
        suite::Application a({g.dataDir, g.dbUrl});
        if (!a.conn().exists("SELECT 1 FROM main_info1 WHERE code_no = ?", {o->client}) &&
            !a.conn().exists("SELECT 1 FROM owner1 WHERE code = ?", {o->client}))
          throw std::runtime_error("no client \"" + o->client + "\"");
        suite::dataset::DataSetEngine engine(a.conn(), a.data().documents());
        suite::dataset::DataSetReport report;
        if (name == "copy")
          report = engine.copy(o->client, year, o->from, o->to, o->replace);
        else if (name == "delete")
          report = engine.remove(o->client, year, o->from);
        else if (o->replace)
          report = engine.replace(o->client, year, o->from, o->to);
        else
          report = engine.relabel(o->client, year, o->from, o->to);
        if (o->json)
          std::cout << asJson(report).dump(2) << "\n";
        else
          printText(report);
        for (const auto& w : report.warnings) std::cerr << "meridian: " << w << "\n";
        // The rows are committed; a notes file that did not follow is worth a distinct exit code.
        return report.warnings.empty() ? 0 : 2;
      };
    });
  }
}

}  // namespace meridian::cli
