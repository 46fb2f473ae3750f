#include <csignal>
#include <iostream>

#include "cli/command.h"
#include "cli/demo_seed.h"
#include "suite/application.h"
#include "suite/daily_backups.h"
#include "suite/folder_lock.h"
#include "web/server.h"

namespace meridian::cli {
namespace {
web::Server* running = nullptr;
void stopOnSignal(int) {
  if (running) running->stop();
}
}  // namespace

void addServeCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("serve", "serve the screens to a browser");
  struct Options {
    std::string listen = "127.0.0.1:8080";
    bool demo = false;
    std::string backupDir;
    size_t keepBackups = 14;
  };
  auto o = std::make_shared<Options>();
  sub->add_option("--listen", o->listen, "address and port to listen on (default 127.0.0.1:8080)");
  sub->add_flag("--demo", o->demo, "seed the demo practice first when the database holds no clients");
  sub->add_option("--backup-dir", o->backupDir, "folder of the daily backups (default: the data folder's backups)");
  sub->add_option("--keep-backups", o->keepBackups, "daily backups to keep (default 14; 0: take none)");
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      const auto address = web::ListenAddress::parse(o->listen);
      // A port in use stops start-up before the database is touched.
      if (address.port != 0) web::checkCanListen(address);
      const auto folder = suite::DataFolder::open(g.dataDir);
      const auto lock = suite::FolderLock::take(folder.root);
      suite::Application a(g.app());
      if (o->demo) seedDemoWithSummaries(a);
      if (auto password = a.users().ensureAdministrator())
        std::cout << "administrator created: user admin, one-time password " << *password << "\n";
      std::unique_ptr<suite::DailyBackups> backups;
      if (o->keepBackups > 0) {
        backups = std::make_unique<suite::DailyBackups>(
            a.conn(), o->backupDir.empty() ? a.data().backups() : std::filesystem::path(o->backupDir), o->keepBackups);
        backups->start();
      }
      web::Server server(a);
      const int port = server.bind(address);
      std::cout << "Meridian listening on http://" << address.host << ":" << port << "/ (database "
                << db::ConnectionUrl::parse(a.databaseUrl()).redacted() << ")" << std::endl;
      running = &server;
      std::signal(SIGINT, stopOnSignal);
      std::signal(SIGTERM, stopOnSignal);
      server.run();
      running = nullptr;
      if (backups) backups->stop();
      if (const auto why = server.stoppedBecause(); !why.empty()) {
        std::cerr << "meridian: stopped serving: " << why << "\n";
        return 1;
      }
      return 0;
    };
  });
}

}  // namespace meridian::cli
