#include "support/cli_runner.h"

#include <gtest/gtest.h>

#include "cli/commands.h"

namespace meridian::testsupport {

CliOutcome runCli(std::vector<std::string> args) {
  args.insert(args.begin(), "meridian");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  int code = cli::run(static_cast<int>(argv.size()), argv.data());
  return {code, ::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()};
}

}  // namespace meridian::testsupport
