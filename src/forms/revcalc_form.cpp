#include "forms/revcalc_form.h"

namespace meridian::forms {

RevCalcForm::RevCalcForm(host::Component& host) : ui::Form("frmrevcalc", "Tax Estimator"), host_(host) {}

}  // namespace meridian::forms
