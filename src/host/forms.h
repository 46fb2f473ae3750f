#pragma once
// The module's one public class: its version, the dashboard, the tax
// estimator, and the start of a bulk SMS or e-mail run.
#include <memory>
#include <string>

#include "common/version.h"
#include "host/component.h"

namespace meridian::host {

class Forms {
 public:
  // Loads the component: the host objects are created here, in their order.
  Forms(HostFactory& factory, ui::Desktop& desktop);
  ~Forms();

  std::string MyDllVersion() const { return std::string(kVersion); }
  // The dashboard form "income", the same instance each time; null if it could not be made.
  std::shared_ptr<Screen> ObjIncome();
  // The tax estimator form "frmrevcalc", the same instance each time; null if it could not be made.
  std::shared_ptr<Screen> ObjRevCalc();
  void BulkSMS_EML(const std::string& vSMS_EML, int vAsYr);

  Component& component() { return component_; }

 private:
  std::shared_ptr<Screen> keptScreen(const std::string& name);
  Component component_;
};

}  // namespace meridian::host
