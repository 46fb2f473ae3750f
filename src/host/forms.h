#pragma once
// The module's one public class: its version, the dashboard, the tax
// estimator, and the start of a bulk SMS or e-mail run.
#include <memory>
#include <string>

#include "common/version.h"
#include "host/component.h"

namespace meridian::reg { class IncomeForm; }
namespace meridian::forms { class RevCalcForm; }

namespace meridian::host {

class Forms {
 public:
  // Loads the component: the host objects are created here, in their order.
  Forms(HostFactory& factory, ui::Desktop& desktop);
  ~Forms();

  std::string MyDllVersion() const { return std::string(kVersion); }
  // The dashboard form, the same instance each time; null if it could not be made.
  std::shared_ptr<reg::IncomeForm> ObjIncome();
  // The tax estimator form, the same instance each time; null if it could not be made.
  std::shared_ptr<forms::RevCalcForm> ObjRevCalc();
  void BulkSMS_EML(const std::string& vSMS_EML, int vAsYr);

  Component& component() { return component_; }

 private:
  Component component_;
  std::shared_ptr<reg::IncomeForm> income_;
  std::shared_ptr<forms::RevCalcForm> revCalc_;
};

}  // namespace meridian::host
