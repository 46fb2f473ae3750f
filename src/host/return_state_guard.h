#pragma once
// Before a screen changes the data of the open year it asks the workspace,
// which alone knows whether the return in use was filed, whether a later
// return was filed after it and whether editing is locked. The workspace form
// the module hands the host as ObjSubForm answers through CheckReturn; a
// screen reached without a workspace open (from the dashboard's challan mode,
// from a test) has nobody to ask and may go on.
#include "host/base.h"

namespace meridian::host {

class ReturnStateGuard {
 public:
  virtual ~ReturnStateGuard() = default;
  // True when the user may change the data of the open return; it may ask
  // the user ("Do you still want to make changes?") or refuse with a message.
  virtual bool CheckReturn() = 0;
};

// The workspace's answer, or true when no workspace is open.
bool mayChangeOpenReturn(Base& base);

}  // namespace meridian::host
