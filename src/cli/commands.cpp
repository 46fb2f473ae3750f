#include "cli/commands.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace meridian::cli {

int run(int argc, char** argv) {
  CLI::App app{"Meridian: income-tax work of a practice"};
  bool version = false;
  app.add_flag("--version", version, "print the version and stop");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  if (version) {
    std::cout << "2.17.2.1\n";
    return 0;
  }
  std::cout << app.help();
  return 0;
}

}  // namespace meridian::cli
