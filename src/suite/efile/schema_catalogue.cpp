#include "suite/efile/schema_catalogue.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "common/embedded_files.h"

namespace meridian::suite::efile {
namespace {

constexpr std::string_view kSchemaFolder = "data/schemas/";

using Catalogue = std::map<std::pair<int, std::string>, std::string, std::less<>>;

// Reads "year,form,root" lines after the heading; a malformed line is a
// packaging fault and stops the program at the first e-return it checks.
Catalogue readCatalogue() {
  const auto text = embedded::find(std::string(kSchemaFolder) + "catalogue.csv");
  if (!text) throw std::logic_error("the schema catalogue is not among the shipped files");
  Catalogue catalogue;
  std::istringstream lines{std::string(*text)};
  std::string line;
  std::getline(lines, line);  // heading
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const auto first = line.find(','), second = line.find(',', first + 1);
    if (first == std::string::npos || second == std::string::npos)
      throw std::logic_error("schema catalogue line without three fields: " + line);
    const std::string root = std::string(kSchemaFolder) + line.substr(second + 1);
    if (!embedded::find(root)) throw std::logic_error("schema catalogue names a schema that is not shipped: " + root);
    catalogue[{std::stoi(line.substr(0, first)), line.substr(first + 1, second - first - 1)}] = root;
  }
  return catalogue;
}

}  // namespace

std::optional<std::string> rootSchemaFor(int year, std::string_view formCode) {
  static const Catalogue catalogue = readCatalogue();
  auto it = catalogue.find(std::pair<int, std::string>{year, std::string(formCode)});
  if (it == catalogue.end()) return std::nullopt;
  return it->second;
}

}  // namespace meridian::suite::efile
