#include <csignal>
#include <iostream>

#include "cli/command.h"
#include "suite/application.h"
#include "suite/demo_practice.h"
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
  };
  auto o = std::make_shared<Options>();
  sub->add_option("--listen", o->listen, "address and port to listen on (default 127.0.0.1:8080)");
  sub->add_flag("--demo", o->demo, "seed the demo practice first when the database holds no clients");
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      const auto& [listen, demo] = *o;
      const auto address = web::ListenAddress::parse(listen);
      // A port in use stops start-up before the database is touched.
      if (address.port != 0) web::checkCanListen(address);
      suite::Application a({g.dataDir, g.dbUrl});
      if (demo && suite::seedDemoPracticeIfEmpty(a.conn(), a.data()))
        std::cout << "demo practice seeded\n";
      if (auto password = a.users().ensureAdministrator())
        std::cout << "administrator created: user admin, one-time password " << *password << "\n";
      web::Server server(a);
      const int port = server.bind(address);
      std::cout << "Meridian listening on http://" << address.host << ":" << port << "/ (database "
                << db::ConnectionUrl::parse(a.databaseUrl()).redacted() << ")" << std::endl;
      running = &server;
      std::signal(SIGINT, stopOnSignal);
      std::signal(SIGTERM, stopOnSignal);
      server.run();
      running = nullptr;
      return 0;
    };
  });
}

}  // namespace meridian::cli
