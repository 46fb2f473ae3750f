#pragma once
// The return frame of frmRevOrd (`txtfieldsM`, `optrettyp1`, `cboEVR`,
// `cboProcStat`, `cmdsaveR`) and the filing an online upload reports back:
// how and when a return was filed, the ITR-V or e-verification, processing.
#include <string>

#include "host/component.h"
#include "ui/dialogs.h"

namespace meridian::returns {

// `cboEVR`, asked from A.Y. 2015-16 for a return filed without a signature.
enum class Verification { notChosen, sendItrV, eVerified };

struct ReturnFilingDetails {
  int mode = -1;  // the tag of `optrettyp1`: 0 Not Filed, 1 Unknown, 2 Paper, 3 without DSC, 4 with DSC; -1 none
  Verification verification = Verification::notChosen;
  std::string filingDate, ackNo;  // dd/mm/yyyy
  std::string postDate;           // ITR-V dispatch or e-verification
  std::string receiptDate, receiptNo, processDate;
  std::string processStatus;
};

// Saves the filing details of the return entry; false, after telling the
// user why, when refused.
bool saveReturnDetails(host::Component& host, ui::Dialogs& dialogs, int srNo, const ReturnFilingDetails& d);

// An upload through the department's portal filed the return of entry
// `srNo`: records the acknowledgement, the filing date and, without a
// signature, the e-verification date (empty when not yet e-verified).
void recordOnlineFiling(host::Component& host, ui::Dialogs& dialogs, int srNo, bool withDsc, const std::string& ackNo,
                        const std::string& filingDate, const std::string& everifiedOn);

}  // namespace meridian::returns
