#pragma once
// Runs the program's command line in the test's process, catching what it prints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/commands.h"

namespace meridian::testsupport {

struct CliOutcome {
  int code;
  std::string out, err;
};

inline CliOutcome runCommand(std::vector<std::string> args) {
  args.insert(args.begin(), "meridian");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  int code = cli::run(static_cast<int>(argv.size()), argv.data());
  return {code, ::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()};
}

}  // namespace meridian::testsupport
