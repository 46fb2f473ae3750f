#pragma once
// The public members of the assessment-year workspace (subform) that other
// screens and sibling modules call back through the base object's
// ObjSubForm: a head screen refreshes the year's figures after a save, asks
// whether the return may be changed, and the online filing screens post the
// filing details the department's portal returned.
#include <string>

#include "host/return_state_guard.h"

namespace meridian::host {

// CheckReturn (the return-state guard) comes from ReturnStateGuard.
class Workspace : public ReturnStateGuard {
 public:
  // Shows the year's computed figures again.
  virtual void GetFigs() = 0;
  // False while a computation, return or e-file run is in progress.
  virtual bool CanNavigate() = 0;
  // Enables the buttons again as the status and year allow.
  virtual void SetButtons_Comp() = 0;
  // A return of the register (by its number) was filed through the portal:
  // with or without a digital signature, its acknowledgement number, filing
  // date and (without a signature) e-verification date, "" when none yet.
  virtual void UpdateRetDetFromActOL(int srNo, bool withDsc, const std::string& ackNo, const std::string& filingDate,
                                     const std::string& everifiedOn) = 0;
};

}  // namespace meridian::host
