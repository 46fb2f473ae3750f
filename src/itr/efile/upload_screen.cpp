#include "itr/efile/upload_screen.h"

#include <algorithm>
#include <cctype>

#include "common/text.h"
#include "common/years.h"
#include "host/screen_registry.h"
#include "host/workspace.h"
#include "suite/returns/return_details.h"

namespace meridian::itr::efile {
namespace {

// The portal's acknowledgement numbers are of fifteen digits.
constexpr size_t kAckDigits = 15;
// A return filed without a signature is e-verified from A.Y. 2015-16.
constexpr int kFirstYearOfEVerification = 2015;

bool allDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

std::optional<FilingRefusal> portalFilingRefusal(const PortalFiling& f, int year, const CivilDate& today) {
  const std::string ack = trimmed(f.ackNo);
  if (ack.empty()) return FilingRefusal{"Specify Acknowledgement No.", "txtackno"};
  if (ack.size() != kAckDigits || !allDigits(ack))
    return FilingRefusal{"The Acknowledgement No. given by the portal is of 15 digits.", "txtackno"};
  if (trimmed(f.filedOn).empty()) return FilingRefusal{"Specify Date of Return Filing.", "txtfiledon"};
  const auto filed = parseDmy(f.filedOn);
  if (!filed) return FilingRefusal{"Date of Return Filing is not a date.", "txtfiledon"};
  // A return of the A.Y. is filed after its previous year ends.
  const CivilDate opens = *makeDate(1, 4, year);
  if (*filed < opens) return FilingRefusal{"Return Filing Date should be on or after " + formatDmy(opens), "txtfiledon"};
  if (*filed > today) return FilingRefusal{"Date of Return Filing can not be after today.", "txtfiledon"};
  if (f.withDsc || year < kFirstYearOfEVerification || trimmed(f.everifiedOn).empty()) return std::nullopt;
  const auto verified = parseDmy(f.everifiedOn);
  if (!verified) return FilingRefusal{"'e-Verified On' is not a date.", "txteverified"};
  if (*verified < *filed)
    return FilingRefusal{"'e-Verified On' should be greater than or equal to Date of Return Filing.", "txteverified"};
  if (*verified > today) return FilingRefusal{"'e-Verified On' can not be after today.", "txteverified"};
  return std::nullopt;
}

UploadScreen::UploadScreen(host::Component& component)
    : Screen(component.base(), std::string(kName), "Upload e-Return"), host_(component) {
  using K = ui::ControlKind;
  add(K::label, "lblnoconnection", std::string(kNoPortalConnection)).multiline = true;
  add(K::label, "lblfile");
  add(K::frame, "famfiled", "Filed on the Portal");
  add(K::textBox, "txtackno", "Acknowledgement No.", "famfiled").maxLength = kAckDigits;
  addDateBox("txtfiledon", "Date of Filing", "famfiled");
  add(K::checkBox, "chkdsc", "Filed with Digital Signature", "famfiled");
  addDateBox("txteverified", "e-Verified On", "famfiled");
  add(K::button, "cmdrecord", "&Record Filing");
  add(K::button, "cmdclose", "&Close");
  on("cmdrecord", ui::EventType::click, [this](ui::Event&) { record(); });
  on("cmdclose", ui::EventType::click, [this](ui::Event&) { close(); });
}

void UploadScreen::offer(const std::filesystem::path& file, int srNo) {
  file_ = file;
  srNo_ = srNo;
  const auto& ctx = host_.clientCtx();
  caption = "Upload e-Return of " + ctx.vT_Code_No.get() + " for A.Y. " + assessmentYearText(ctx.vT_Year.get());
  (*this)["lblfile"].caption = "e-Return file: " + file.string();
  (*this)["txtackno"].text.clear();
  for (const char* box : {"txtfiledon", "txteverified"}) showDate(box, "");
  (*this)["chkdsc"].value = 0;
  focus = "txtackno";
}

void UploadScreen::record() {
  const int year = host_.clientCtx().vT_Year.get();
  const auto filedOn = typedDate("txtfiledon");
  if (!filedOn) return;
  const bool withDsc = (*this)["chkdsc"].value == 1;
  const auto everifiedOn = withDsc ? std::optional<std::string>("") : typedDate("txteverified");
  if (!everifiedOn) return;
  const PortalFiling f{text("txtackno"), *filedOn, withDsc, *everifiedOn};
  if (auto refusal = portalFilingRefusal(f, year, today())) return refuse(refusal->message, refusal->control), void();
  const std::string ackNo = trimmed(f.ackNo);
  try {
    // The workspace records it and shows its register again; without it
    // open, the register is written directly.
    if (auto* workspace = dynamic_cast<host::Workspace*>(base_.ObjSubForm.get()))
      workspace->UpdateRetDetFromActOL(srNo_, withDsc, ackNo, *filedOn, *everifiedOn);
    else
      returns::recordOnlineFiling(host_, dialogs(), srNo_, withDsc, ackNo, *filedOn, *everifiedOn);
  } catch (const std::exception& e) {
    dialogs().exclamation(std::string("The filing could not be recorded, nothing was written: ") + e.what());
    return;
  }
  dialogs().info("The filing of " + *filedOn + " (Acknowledgement No. " + ackNo + ") is recorded in the register.");
  close();
}

namespace {
const host::ScreenRegistration registered{
    {.name = std::string(UploadScreen::kName),
     .make = [](host::Component& c) { return std::make_shared<UploadScreen>(c); }}};
}  // namespace

}  // namespace meridian::itr::efile
