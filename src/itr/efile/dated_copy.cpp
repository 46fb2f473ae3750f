#include "itr/efile/dated_copy.h"

#include <ctime>
#include <stdexcept>

#include "suite/atomic_file.h"
#include "common/paths.h"

namespace meridian::itr::efile {
namespace fs = std::filesystem;

std::string datedCopyName(const fs::path& eReturn, std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%d%m%Y%H%M%S", &local);
  return std::string(stamp) + "_" + eReturn.filename().string();
}

fs::path fileDatedCopy(const fs::path& documents, const std::string& clientCode, int year, const fs::path& eReturn,
                       std::chrono::system_clock::time_point when) {
  if (!safePathComponent(clientCode))
    throw std::invalid_argument("the client code \"" + clientCode + "\" cannot name a folder");
  const std::string bytes = suite::readWholeFile(eReturn);
  fs::path folder = documents;
  for (const std::string& level : {std::string("ITeRetXMLs"), clientCode, std::to_string(year)}) {
    folder /= level;
    std::error_code created, present;
    fs::create_directory(folder, created);  // no error when the folder is already there
    if (!fs::is_directory(folder, present))
      throw std::runtime_error("cannot create the folder " + folder.string() + ": " +
                               (created ? created.message() : "a file of that name is in the way"));
  }
  const fs::path copy = folder / datedCopyName(eReturn, when);
  suite::writeFileAtomically(copy, bytes);
  return copy;
}

}  // namespace meridian::itr::efile
