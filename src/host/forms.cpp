#include "host/forms.h"

#include <spdlog/spdlog.h>

#include "common/years.h"

namespace meridian::host {

Forms::Forms(HostFactory& factory, ui::Desktop& desktop) : component_(factory, desktop) {}
Forms::~Forms() = default;

// An error while the form is made is passed over: the host gets no form.
std::shared_ptr<Screen> Forms::keptScreen(const std::string& name) {
  try {
    return component_.kept(name);
  } catch (const std::exception& e) {
    spdlog::error("{} not made: {}", name, e.what());
    return nullptr;
  }
}

std::shared_ptr<Screen> Forms::ObjIncome() { return keptScreen("income"); }
std::shared_ptr<Screen> Forms::ObjRevCalc() { return keptScreen("frmrevcalc"); }

void Forms::BulkSMS_EML(const std::string& vSMS_EML, int vAsYr) {
  component_.clientCtx().vT_Year = vAsYr;
  component_.returnCtx().Vt_ASS_YEAR = assessmentYearText(vAsYr);
  // The filing details register that carries the run is opened here once it exists.
  spdlog::info("bulk {} run set up for {}", vSMS_EML, assessmentYearText(vAsYr));
}

}  // namespace meridian::host
