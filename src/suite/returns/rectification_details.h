#pragma once
// The rectification frame of frmRevOrd (`txtfieldsR`, `cmdupdateRect`): an
// online request to rectify an intimation u/s 143(1), with the date and
// reference number of the CPC order it answers.
#include <string>

#include "host/component.h"
#include "ui/dialogs.h"

namespace meridian::returns {

struct RectificationDetails {
  std::string cpcOrderDate;  // dd/mm/yyyy
  std::string referenceNo;
  std::string secondDate;    // dd/mm/yyyy or empty
  std::string secondNo;
};

// Adds the request (editSrNo 0) with a copy of the data set it rectifies, or
// updates the one being edited. False, after telling the user why, when refused.
bool saveRectification(host::Component& host, ui::Dialogs& dialogs, const RectificationDetails& d, int editSrNo = 0);

}  // namespace meridian::returns
