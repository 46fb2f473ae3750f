#pragma once
// The practice's client exclusions: for each module, the clients its list
// leaves out for every user (the module's exclusion file under the document
// folder). Only an administrator (right 199) opens it or saves from it; each
// user narrows their own list through "Client List Selection" instead.
#include <string>

#include "host/component.h"
#include "host/screen.h"

namespace meridian::suite {

class ClientExclusionForm : public host::Screen {
 public:
  explicit ClientExclusionForm(host::Base& base);
  void load() override;
  void escape() override;

 private:
  void showModule();
  // Writes the shown codes as the module's file; false (nothing written) when
  // the user lacks the right or a line is no client of the practice.
  bool save();
  bool changed();
  // Asks whether to save unsaved changes first; false when the user stays.
  bool leaveShownModule();
  std::string shownModule_, savedText_;
};

}  // namespace meridian::suite
