#pragma once
// Runs a program the system relies on (a PDF converter, say) without a shell:
// the arguments go to it as they are, so no text taken from a file name or a
// client can be read as a command.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace meridian::suite {

struct ProgramOutcome {
  bool started = false;
  bool timedOut = false;  // killed after the time limit
  int exitCode = -1;
};

// Runs `argv` (argv[0] looked up on PATH) in `workDir`, with its output
// discarded, waiting at most `limit`.
ProgramOutcome runProgram(const std::vector<std::string>& argv, const std::filesystem::path& workDir,
                          std::chrono::milliseconds limit);

}  // namespace meridian::suite
