#pragma once
namespace meridian::cli {
// Parses the command line and runs the sub-command; returns the exit code.
int run(int argc, char** argv);
}  // namespace meridian::cli
