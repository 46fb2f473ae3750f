#include "host/forms.h"

#include <spdlog/spdlog.h>

#include "common/years.h"
#include "forms/revcalc_form.h"
#include "register/income_form.h"

namespace meridian::host {

Forms::Forms(HostFactory& factory, ui::Desktop& desktop) : component_(factory, desktop) {}
Forms::~Forms() = default;

std::shared_ptr<reg::IncomeForm> Forms::ObjIncome() {
  try {
    if (!income_) {
      income_ = std::make_shared<reg::IncomeForm>(component_);
      income_->attach(&component_.desktop(), nullptr);
    }
  } catch (const std::exception& e) {
    spdlog::error("dashboard not made: {}", e.what());
  }
  return income_;
}

std::shared_ptr<forms::RevCalcForm> Forms::ObjRevCalc() {
  try {
    if (!revCalc_) {
      revCalc_ = std::make_shared<forms::RevCalcForm>(component_);
      revCalc_->attach(&component_.desktop(), nullptr);
    }
  } catch (const std::exception& e) {
    spdlog::error("tax estimator not made: {}", e.what());
  }
  return revCalc_;
}

void Forms::BulkSMS_EML(const std::string& vSMS_EML, int vAsYr) {
  component_.clientCtx().vT_Year = vAsYr;
  component_.returnCtx().Vt_ASS_YEAR = assessmentYearText(vAsYr);
  // The filing details register that carries the run is opened here once it exists.
  spdlog::info("bulk {} run set up for {}", vSMS_EML, assessmentYearText(vAsYr));
}

}  // namespace meridian::host
