#pragma once
// What happens to an e-return once its document is written: the check
// against the schema of its form and year, the digest (from A.Y. 2015-16),
// and the dated copy under the client's folder. Each refusal is told to the
// user; a return that stops is not filed.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace meridian::host { class EfileTools; }
namespace meridian::suite::efile { class EfileCredentials; }
namespace meridian::ui { class Dialogs; }

namespace meridian::itr::efile {

inline constexpr std::string_view kCouldNotValidate = "Could not validate File.";

struct WrittenReturn {
  std::filesystem::path file;  // the e-return as written, placeholder and all
  std::string formCode;        // "ITR-1"
  int year = 0;                // 2016 for A.Y. 2016-17
  std::string clientCode;
  std::filesystem::path documents;  // the document folder (DocPath)
  std::chrono::system_clock::time_point when = std::chrono::system_clock::now();
};

// The path of the filed copy, or nothing when the return stopped: the check
// was impossible or found faults, the digest could not be placed (the
// written file is then deleted), or the copy could not be made.
std::optional<std::filesystem::path> finishEReturn(const WrittenReturn& written, host::EfileTools& tools,
                                                   suite::efile::EfileCredentials& credentials, ui::Dialogs& dialogs);

}  // namespace meridian::itr::efile
