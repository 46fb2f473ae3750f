#pragma once
// libxml2's own command-line check of a file, to hold the program's verdict
// against: xmllint --noout --schema on the schema files of the source tree.
#include <filesystem>
#include <set>
#include <string>

namespace meridian::testsupport {

struct XmllintVerdict {
  int exitCode = -1;
  std::set<int> faultLines;
};

// rootSchema as the catalogue names it ("ay2016-17/itr1/ITR-1_2016_Main.xsd").
XmllintVerdict xmllint(const std::string& rootSchema, const std::filesystem::path& file);

}  // namespace meridian::testsupport
