#pragma once
// The tax estimator form "frmrevcalc".
#include "host/component.h"
#include "ui/form.h"

namespace meridian::forms {

class RevCalcForm : public ui::Form {
 public:
  explicit RevCalcForm(host::Component& host);

 private:
  host::Component& host_;
};

}  // namespace meridian::forms
