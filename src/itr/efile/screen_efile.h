#pragma once
// The e-file path of the return screen once its checks have passed: the
// same production as `meridian efile` (written, checked against the schema,
// digested), each stop told to the user as the screen words it, the dated
// copy under the client's folder, and the question offering the upload.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "itr/filing_particulars.h"

namespace meridian::host { class Component; }
namespace meridian::ui { class Dialogs; }

namespace meridian::itr::efile {

struct ScreenReturn {
  std::string client;   // the master code
  std::string pan;      // names the file
  std::string dataSet;  // the data set in use (C0801, C0801^R-2 ...)
  int year = 0;
  std::string formCode;  // "ITR-1" or "ITR-4S"
  int srNo = 1;          // the register entry in use
  FilingParticulars particulars;  // as the screen keeps them
};

// "AGHPI4521K_ITR1_2016.xml": the name proposed for the return (PAN, form,
// year), checked as a name the department's upload accepts.
std::string screenReturnFileName(const ScreenReturn& r);

// Writes the return into the temporary folder (asking before a file of the
// same name is overwritten) and files its dated copy; the copy's path, or
// nothing when the return stopped (the user was told why, nothing filed).
std::optional<std::filesystem::path> eFileFromReturnScreen(
    host::Component& host, ui::Dialogs& dialogs, const ScreenReturn& r,
    std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

// The whole e-file path from the return screen's data set, year, form and
// particulars: the client and the register entry in use come from the
// working context. Written, filed and offered for upload; or stopped, told.
void eFileFromReturnScreen(host::Component& host, ui::Dialogs& dialogs, const std::string& dataSet, int year,
                           const std::string& formCode, const FilingParticulars& particulars);

// The register entry a working context's vT_RTType ("R-2", "O-1") names; 1,
// the original, when it names none.
int entryNumberOf(const std::string& rtType);

// The question asked once a return is filed, and what a Yes does: the
// online filing screen opens on the file when the user holds the right.
std::string uploadQuestion(const std::filesystem::path& copy);
void offerUpload(host::Component& host, ui::Dialogs& dialogs, const std::filesystem::path& copy, int srNo);

}  // namespace meridian::itr::efile
