#include "itr/efile/finish_ereturn.h"

#include "host/efile_tools.h"
#include "itr/efile/dated_copy.h"
#include "itr/efile/efile_digest.h"
#include "suite/efile/efile_credentials.h"
#include "ui/dialogs.h"

namespace meridian::itr::efile {

std::optional<std::filesystem::path> finishEReturn(const WrittenReturn& written, host::EfileTools& tools,
                                                   suite::efile::EfileCredentials& credentials, ui::Dialogs& dialogs) {
  std::string result;
  const int check = tools.ValidFile(written.formCode, written.file.string(), result, written.year);
  if (check < host::EfileTools::kInvalid) {
    dialogs.info(std::string(kCouldNotValidate));
    return std::nullopt;
  }
  if (check == host::EfileTools::kInvalid) return std::nullopt;  // the tools have shown the faults

  if (written.year >= kFirstYearWithDigest) {
    // The dated copy made below is synced to disk; the working file it is
    // copied from need not wait for the disk as well.
    const DigestPlacement digest =
        placeDigestInWorkingFile(written.file, credentials.forYear(written.year), written.year);
    if (!digest.succeeded) {
      std::error_code ignored;
      std::filesystem::remove(written.file, ignored);
      dialogs.exclamation("The digest could not be placed in the e-return file, so the file was not kept: " +
                          digest.error + ".");
      return std::nullopt;
    }
  }
  try {
    return fileDatedCopy(written.documents, written.clientCode, written.year, written.file, written.when);
  } catch (const std::exception& e) {
    dialogs.exclamation(std::string("The e-return could not be filed under the client's folder: ") + e.what() + ".");
    return std::nullopt;
  }
}

}  // namespace meridian::itr::efile
