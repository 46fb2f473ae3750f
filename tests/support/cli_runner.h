#pragma once
// Runs the program's command line in-process and captures what it prints.
#include <string>
#include <vector>

namespace meridian::testsupport {

struct CliOutcome {
  int code;
  std::string out, err;
};

CliOutcome runCli(std::vector<std::string> args);

}  // namespace meridian::testsupport
