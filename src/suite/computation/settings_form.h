#pragma once
// The computation settings "frmsetup1" ("General Information") of the
// working context's return code and year: interest options, interest typed
// by hand, the date interest runs to, the user's presentation settings, the
// signer, the set-off order of the year's losses (panel "Current Year
// Losses Adjustment Priority") and the practitioner's bill particulars.
// Everything is saved when the screen is left (Escape or "&Back") and
// before the loss panel opens; a refused date or PAN writes nothing.
#include <map>
#include <string>

#include "host/component.h"
#include "host/screen.h"
#include "suite/computation/set_off_priority.h"
#include "suite/computation/year_settings.h"

namespace meridian::suite::computation {

class SettingsForm : public host::Screen {
 public:
  explicit SettingsForm(host::Component& host);
  void load() override;
  void escape() override;

  // The combo of one loss's target head on the priority panel.
  static std::string priorityBox(YearLoss loss, int slot);
  // Saves what the screen shows; false after a refusal (nothing written).
  bool save();

 private:
  void build();
  void buildInterest();
  void buildPresentation();
  void buildSigner();
  void buildPriorityPanel();
  void buildBillPanel();
  void show();
  void showPriorities();
  void priorityChosen(YearLoss loss, int rank);  // rank among the loss's heads
  void lossRankChosen(YearLoss loss);
  void openPriorityPanel();
  void closePriorityPanel();
  void showBillClients();
  void editBillClient(bool adding);
  void updateBillClient();
  void deleteBillClient();
  void saveBillClients();
  void datedOptionChanged();

  host::Component& host_;
  YearKey key_;
  std::string client_;
  YearSettings settings_;
  Priorities priorities_;
  std::map<std::string, std::string> shownKeys_;  // presentation settings as shown
  int editingBillRow_ = -2;  // -2 none, -1 a new row, else the row edited
};

}  // namespace meridian::suite::computation
