#include "register/income_form.h"

namespace meridian::reg {

IncomeForm::IncomeForm(host::Component& host) : ui::Form("income", "Income Tax"), host_(host) {}

void IncomeForm::OpenForm(int mode) { mode_ = mode; }

}  // namespace meridian::reg
