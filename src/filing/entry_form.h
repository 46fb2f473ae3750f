#pragma once
// frmRevOrd: the details of one entry of the register of returns and orders,
// in one of four frames: the return (how and when it was filed, ITR-V or
// e-verification, processing), the revision options of a new revised return,
// a rectification request, and an order with the refunds granted under it.
// The workspace opens it through the EntryForms port; a save hands the
// register the step that follows.
#include <string>

#include "host/component.h"
#include "host/screen.h"
#include "suite/returns/entry_forms.h"
#include "suite/returns/register_entry.h"

namespace meridian::filing {

class EntryForm : public host::Screen, public returns::EntryFormScreen {
 public:
  explicit EntryForm(host::Component& host);

  void completeReturn(int srNo, Saved then) override;
  void chooseReviseMode(std::function<void(returns::ReviseMode)> then) override;
  void openRectification(Saved then) override;
  void openOrder(Saved then) override;
  void editEntry(int srNo, Saved then) override;

  // Which frame is shown: "famret", "famrevise", "famrect", "famorder".
  std::string frameShown();

 private:
  void buildReturnFrame();
  void buildReviseFrame();
  void buildRectificationFrame();
  void buildOrderFrame();
  void show(const char* frame, const std::string& title);
  std::optional<returns::RegisterEntry> entry(int srNo);

  void showReturn(const returns::RegisterEntry& e);
  void modeChanged();
  void saveReturn();
  void showRectification(const returns::RegisterEntry* e);
  void readIntimation();
  void saveRectification();
  void showOrder(const returns::RegisterEntry* e);
  void sectionChanged();
  void refundEdited(ui::Event& e);
  void saveOrder();
  void computeOrder();
  // Closes the form and runs what the register asked to follow the save.
  void saved();

  host::Component& host_;
  int srNo_ = 0;  // the entry edited; 0 for a new one
  Saved then_;
  std::function<void(returns::ReviseMode)> revised_;
};

}  // namespace meridian::filing
