#include "itr/efile/screen_efile.h"

#include <ctime>

#include "common/rights.h"
#include "host/client_particulars.h"
#include "host/component.h"
#include "itr/efile/dated_copy.h"
#include "itr/efile/efile_name.h"
#include "itr/efile/ereturn_source.h"
#include "itr/efile/finish_ereturn.h"
#include "itr/efile/itr1_writer.h"
#include "itr/efile/produce_ereturn.h"
#include "itr/efile/upload_screen.h"
#include "suite/efile/efile_credentials.h"
#include "suite/efile/schema_efile_tools.h"
#include "ui/dialogs.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

// The right that lets a user upload returns to the department's portal.
constexpr int kUploadRight = 199;

std::string dmyOf(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char text[11];
  std::strftime(text, sizeof text, "%d/%m/%Y", &local);
  return text;
}

std::string withoutHyphen(std::string form) {
  std::erase(form, '-');
  return form;
}

}  // namespace

std::string screenReturnFileName(const ScreenReturn& r) {
  return r.pan + "_" + withoutHyphen(r.formCode) + "_" + std::to_string(r.year) + ".xml";
}

std::optional<fs::path> eFileFromReturnScreen(host::Component& host, ui::Dialogs& dialogs, const ScreenReturn& r,
                                              std::chrono::system_clock::time_point when) {
  const std::string name = screenReturnFileName(r);
  if (!acceptEReturnFileName(name, dialogs)) return std::nullopt;
  host::Base& base = host.base();
  GatheredReturn gathered;
  try {
    const RegisterEntry entry = registerEntryNumbered(base.DbObj(), r.client, r.year, r.srNo);
    gathered = gatherEReturn(base, {r.client, r.dataSet, r.year, r.formCode, dmyOf(when)}, r.particulars, entry);
  } catch (const std::exception& e) {
    dialogs.exclamation(std::string("The e-return could not be prepared: ") + e.what());
    return std::nullopt;
  }
  const fs::path temporary = fs::path(base.vTmpPath.get()) / name;
  std::error_code made;
  fs::create_directories(temporary.parent_path(), made);
  if (fs::exists(temporary) && !dialogs.yesNo("File [" + temporary.string() + "] already Exists.\r\n\r\n" +
                                                  "- Click 'Yes', To Overwrite this File.\r\n" +
                                                  "- Click 'No', To Cancel E-Filing."))
    return std::nullopt;
  dialogs.progress("Generating e-Return Form " + r.formCode + " .............", 0, 1);
  suite::efile::EfileCredentials credentials(base.DbObj());
  // The dated copy filed below is the one synced to disk: syncing the
  // temporary file as well would wait for the disk twice for one return.
  const ProducedReturn produced = produceEReturn(gathered.input, temporary, credentials, Durability::workingFileOnly);
  dialogs.progress("Generating e-Return Form " + r.formCode + " .............", 1, 1);
  for (const auto& warning : produced.warnings) dialogs.info(warning);
  switch (produced.result) {
    case ProduceResult::notValidated:
      dialogs.info(std::string(kCouldNotValidate));
      return std::nullopt;
    case ProduceResult::invalid: {
      // The file as written stays in the temporary folder; the tools show
      // its faults with their lines, as they do for any file they check.
      suite::efile::SchemaEfileTools tools(dialogs);
      std::string faults;
      tools.ValidFile(r.formCode, temporary.string(), faults, r.year);
      return std::nullopt;
    }
    case ProduceResult::refused:
      dialogs.exclamation(produced.error);
      return std::nullopt;
    case ProduceResult::failed:
      dialogs.exclamation("The e-return could not be written, nothing was filed: " + produced.error + ".");
      return std::nullopt;
    case ProduceResult::written: break;
  }
  try {
    return fileDatedCopy(base.DocPath.get(), r.client, r.year, temporary, when);
  } catch (const std::exception& e) {
    dialogs.exclamation(std::string("The e-return could not be filed under the client's folder: ") + e.what() + ".");
    return std::nullopt;
  }
}

std::string uploadQuestion(const fs::path& copy) {
  return "e-File Saved to File \"" + copy.string() + "\".\r\n\r\nDo you want to upload the file now?";
}

int entryNumberOf(const std::string& rtType) {
  const auto dash = rtType.find('-');
  if (dash == std::string::npos) return 1;
  try {
    const int n = std::stoi(rtType.substr(dash + 1));
    return n > 0 ? n : 1;
  } catch (const std::exception&) {
    return 1;
  }
}

void eFileFromReturnScreen(host::Component& host, ui::Dialogs& dialogs, const std::string& dataSet, int year,
                           const std::string& formCode, const FilingParticulars& particulars) {
  if (!isItr1OrItr4s(formCode))
    return dialogs.info("The e-return of " + formCode + " is not written by this installation yet.");
  const auto& ctx = host.clientCtx();
  const auto client = host::ClientParticulars::load(host.base(), dataSet, year);
  if (!client) return dialogs.exclamation("There is no client " + ctx.vT_Code_No.get() + ".");
  const ScreenReturn r{ctx.vT_Code_No.get(), client->pan, dataSet, year, formCode, entryNumberOf(ctx.vT_RTType.get()), particulars};
  if (const auto copy = eFileFromReturnScreen(host, dialogs, r)) offerUpload(host, dialogs, *copy, r.srNo);
}

void offerUpload(host::Component& host, ui::Dialogs& dialogs, const fs::path& copy, int srNo) {
  if (!dialogs.yesNo(uploadQuestion(copy))) return;
  if (!host.base().CheckPass(kUploadRight)) return;
  auto screen = std::dynamic_pointer_cast<UploadScreen>(host.open(std::string(UploadScreen::kName)));
  if (screen) screen->offer(copy, srNo);
}

}  // namespace meridian::itr::efile
