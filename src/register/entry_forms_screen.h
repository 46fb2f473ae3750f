#pragma once
// The register's entry forms as the workspace shows them: each call opens the
// entry form frmRevOrd over the workspace in the frame asked for.
#include "host/component.h"
#include "suite/returns/entry_forms.h"

namespace meridian::reg {

class EntryFormsOnScreen : public returns::EntryForms {
 public:
  explicit EntryFormsOnScreen(host::Component& host) : host_(host) {}
  void completeReturn(int srNo, Saved then) override;
  void chooseReviseMode(std::function<void(returns::ReviseMode)> then) override;
  void openRectification(Saved then) override;
  void openOrder(Saved then) override;
  // The form on an entry of the register, to edit its details.
  void editEntry(int srNo, Saved then);

 private:
  returns::EntryFormScreen* open();
  host::Component& host_;
};

}  // namespace meridian::reg
