#pragma once
// One sub-command of the program: it adds itself to the command line and
// runs when chosen, returning the exit code.
#include <CLI/CLI.hpp>
#include <functional>
#include <string>

#include "suite/application.h"

namespace meridian::cli {

struct GlobalOptions {
  std::string dataDir;       // --data
  std::string dbUrl;         // --db
  bool newPractice = false;  // --new-practice
  suite::AppOptions app() const { return {dataDir, dbUrl, newPractice}; }
};

using Action = std::function<int()>;

// Each registers a sub-command and points `chosen` at its action when used.
void addServeCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addUserCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addDemoCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addClientsCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addEstimateCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addBackupCommands(CLI::App& app, GlobalOptions& g, Action& chosen);
void addComputeCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addComputationCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addDataSetCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addEfileCommands(CLI::App& app, GlobalOptions& g, Action& chosen);
void addEfileReturnCommand(CLI::App& app, GlobalOptions& g, Action& chosen);
void addCheckCommand(CLI::App& app, GlobalOptions& g, Action& chosen);

// "2016-17" -> 2016; anything else is refused with std::runtime_error.
int yearOfAssessmentYear(const std::string& ay);

// Adds --data and --db to a sub-command.
void addGlobalOptions(CLI::App& sub, GlobalOptions& g);
// Runs an action, turning any error into one line on standard error and exit code 1.
int guarded(const std::function<int()>& action);

}  // namespace meridian::cli
