#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "cli/demo_seed.h"
#include "host/client_list.h"
#include "host/client_list_view.h"
#include "host/client_selection.h"
#include "suite/application.h"
#include "suite/settings_store.h"

namespace meridian::cli {
namespace {

// The named user's own selection of the module's clients, as their dashboard
// applies it; none without a user.
host::ClientSelection selectionOfUser(suite::Application& a, const std::string& user, const std::string& module) {
  if (user.empty()) return {};
  const auto found = a.users().find(user);
  if (!found) throw std::runtime_error("no user \"" + user + "\"");
  suite::SettingsStore settings(a.conn(), found->id);
  return host::selectionOf(
      [&settings](const std::string& section, const std::string& key) { return settings.get(section, key, ""); },
      module);
}

}  // namespace

void addClientsCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("clients", "list the clients the dashboard's list would show");
  struct Options {
    std::string module = "IT";
    std::string user;
    std::vector<std::string> cols;
    bool json = false;
  };
  auto o = std::make_shared<Options>();
  sub->add_option("--module", o->module, "module code choosing the exclusion file (IT, CM, ... ; ? for none)");
  sub->add_option("--user", o->user,
                  "apply this user's Client List Selection of the module too (without it: the practice's list, "
                  "the module's exclusions alone)");
  sub->add_option("--col", o->cols, "search a column as its box does: TITLE=TEXT (e.g. PAN=XXXDE1234X, Name=%kumar)");
  sub->add_flag("--json", o->json, "print JSON");
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      const auto& [module, user, cols, json] = *o;
      suite::Application a(g.app());
      // The same list, exclusions, selection and search the dashboard's list uses.
      const auto selection = selectionOfUser(a, user, module);
      if (selection.active()) std::cerr << "Client List Selection of " << user << " : " << selection.describe() << "\n";
      const host::ClientListView view(a.clientList()->current(a.conn()),
                                      host::readExclusions(a.data().documents().string(), module),
                                      host::selectedCodes(a.conn(), selection));
      const auto& fields = view.list()->fields();
      std::vector<std::string> titles = host::defaultColumnTitles();
      titles.resize(std::max(titles.size(), fields.size()));
      std::vector<std::string> boxes(titles.size());
      for (const auto& c : cols) {
        auto eq = c.find('=');
        if (eq == std::string::npos) throw std::runtime_error("--col needs TITLE=TEXT, got " + c);
        auto it = std::find(titles.begin(), titles.end(), c.substr(0, eq));
        if (it == titles.end()) throw std::runtime_error("no column titled " + c.substr(0, eq));
        boxes[static_cast<size_t>(it - titles.begin())] = c.substr(eq + 1);
      }
      std::vector<int> shown;
      view.matching(host::RowFilter(titles, boxes), {}, shown);
      const int columns = view.columnCount();
      if (json) {
        nlohmann::json out = nlohmann::json::array();
        for (int r : shown) {
          nlohmann::json row;
          for (int c = 0; c < columns; ++c) row[titles[static_cast<size_t>(c)]] = view.cell(r, c);
          out.push_back(row);
        }
        std::cout << out.dump(2) << "\n";
      } else {
        auto cell = [&](int r, int c) { return c < columns ? view.cell(r, c) : std::string(); };
        for (int r : shown) std::cout << cell(r, 0) << "\t" << cell(r, 1) << "\t" << cell(r, 2) << "\t" << cell(r, 10) << "\n";
        std::cout << "No. of Records : " << shown.size() << "\n";
      }
      return 0;
    };
  });
}

void addDemoCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("demo", "seed the demo practice into an empty database");
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen] {
    chosen = [&g] {
      suite::Application a(g.app());
      if (!seedDemoWithSummaries(a)) {
        std::cerr << "meridian: the database already holds clients; the demo practice goes only into an empty one\n";
        return 1;
      }
      // The practice itself is seeded whole; a year left uncomputed is named above.
      return 0;
    };
  });
}

}  // namespace meridian::cli
