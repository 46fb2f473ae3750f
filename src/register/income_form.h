#pragma once
// The dashboard form "income": the client list with the year lists, the
// practice-wide lists, summaries and due dates, by the mode it is opened in.
#include "host/component.h"
#include "ui/form.h"

namespace meridian::reg {

class IncomeForm : public ui::Form {
 public:
  explicit IncomeForm(host::Component& host);
  void OpenForm(int mode);
  int mode() const { return mode_; }

 private:
  host::Component& host_;
  int mode_ = 1;
};

}  // namespace meridian::reg
