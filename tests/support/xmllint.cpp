#include "support/xmllint.h"

#include <sys/wait.h>

#include <cstdio>

namespace meridian::testsupport {

namespace fs = std::filesystem;

namespace {

std::string commandFor(const std::string& rootSchema, const std::vector<fs::path>& files) {
  const fs::path sources = fs::path(MERIDIAN_TEST_DATA_DIR).parent_path().parent_path();
  std::string command = "xmllint --noout --schema '" + (sources / rootSchema).string() + "'";
  for (const fs::path& f : files) command += " '" + f.string() + "'";
  return command + " 2>&1";
}

}  // namespace

XmllintRun xmllint(const std::string& rootSchema, const std::vector<fs::path>& files) {
  XmllintRun run;
  FILE* pipe = ::popen(commandFor(rootSchema, files).c_str(), "r");
  if (!pipe) return run;
  char line[4096];
  while (std::fgets(line, sizeof line, pipe)) run.output += line;
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

XmllintVerdict xmllint(const std::string& rootSchema, const fs::path& file) {
  const std::string command = commandFor(rootSchema, {file});
  XmllintVerdict v;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return v;
  char line[4096];
  const std::string prefix = file.string() + ":";
  while (std::fgets(line, sizeof line, pipe)) {
    const std::string text = line;
    if (text.starts_with(prefix)) v.faultLines.insert(std::stoi(text.substr(prefix.size())));
  }
  const int status = ::pclose(pipe);
  v.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return v;
}

}  // namespace meridian::testsupport
