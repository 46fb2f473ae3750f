#pragma once
// The online filing screen a Yes to "upload the file now?" opens. This
// installation has no connection to the department's e-filing portal, and
// the screen says so before anything else: the file is uploaded on the
// portal by the user. What the portal then gives back (acknowledgement
// number, date of filing, e-verification) is recorded here in the register
// of returns, as an upload from here would have recorded it.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/dates.h"
#include "host/component.h"
#include "host/screen.h"

namespace meridian::itr::efile {

inline constexpr std::string_view kNoPortalConnection =
    "This installation has no connection to the Income Tax Department's e-filing portal, so the return can not be "
    "uploaded from here. Upload the file on the portal yourself; when it is filed, record the acknowledgement "
    "number and the date of filing below.";

// What the user records of a filing made on the portal.
struct PortalFiling {
  std::string ackNo;
  std::string filedOn;      // dd/mm/yyyy
  bool withDsc = false;
  std::string everifiedOn;  // dd/mm/yyyy; "" when not yet e-verified
};

// Why the filing can not be recorded (with the box to go back to), or
// nothing when it can. `year` is the first year of the A.Y.
struct FilingRefusal {
  std::string message, control;
};
std::optional<FilingRefusal> portalFilingRefusal(const PortalFiling& f, int year, const CivilDate& today);

class UploadScreen : public host::Screen {
 public:
  static constexpr std::string_view kName = "frmactol";
  explicit UploadScreen(host::Component& component);
  // The filed e-return the user is to upload, and the register entry it files.
  void offer(const std::filesystem::path& file, int srNo);

 private:
  void record();

  host::Component& host_;
  std::filesystem::path file_;
  int srNo_ = 1;
};

}  // namespace meridian::itr::efile
