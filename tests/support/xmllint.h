#pragma once
// libxml2's own command-line check of a file, to hold the program's verdict
// against: xmllint --noout --schema on the schema files of the source tree.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace meridian::testsupport {

struct XmllintVerdict {
  int exitCode = -1;
  std::set<int> faultLines;
};

// rootSchema as the catalogue names it ("ay2016-17/itr1/ITR-1_2016_Main.xsd").
XmllintVerdict xmllint(const std::string& rootSchema, const std::filesystem::path& file);

// Many files against one schema in one run: exit code 0 only when every file
// passes; the output names each file's verdict and faults.
struct XmllintRun {
  int exitCode = -1;
  std::string output;
};
XmllintRun xmllint(const std::string& rootSchema, const std::vector<std::filesystem::path>& files);

}  // namespace meridian::testsupport
