#include "support/xmllint.h"

#include <sys/wait.h>

#include <cstdio>

namespace meridian::testsupport {

namespace fs = std::filesystem;

XmllintVerdict xmllint(const std::string& rootSchema, const fs::path& file) {
  const fs::path sources = fs::path(MERIDIAN_TEST_DATA_DIR).parent_path().parent_path();
  const std::string command =
      "xmllint --noout --schema '" + (sources / rootSchema).string() + "' '" + file.string() + "' 2>&1";
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
