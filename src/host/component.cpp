#include "host/component.h"

#include <stdexcept>

#include "ui/form.h"

namespace meridian::host {

const std::vector<std::string>& startupOrder() {
  static const std::vector<std::string> order = {
      "KesBase.ClsMain",       "PrjAccounts.Forms",      "PrjOtherHeads.Forms",    "PrjClientCtx.Forms",
      "PrjResultCtx.Forms",    "PrjReturnCtx.Forms",     "PrjBusiness.Forms",      "PrjSalary.Forms",
      "PrjDeductions.Forms",   "PrjUtilities.Forms",     "PrjAssetSchedule.Forms", "PrjReturnsOld.Forms",
      "PrjReturnsNew.Forms",   "PrjVeltoReporter.ClsMain"};
  return order;
}

Component::Component(HostFactory& factory, ui::Desktop& desktop) : desktop_(&desktop) {
  for (const std::string& id : startupOrder()) {
    if (id == "KesBase.ClsMain") base_ = factory.createBase(journal_);
    else if (id == "PrjClientCtx.Forms") clientCtx_ = factory.createClientContext(journal_);
    else if (id == "PrjResultCtx.Forms") resultCtx_ = factory.createResultContext();
    else if (id == "PrjReturnCtx.Forms") returnCtx_ = factory.createReturnContext(journal_);
    else if (id == "PrjUtilities.Forms") utilities_ = factory.createUtilities();
    else if (id == "PrjVeltoReporter.ClsMain") reporter_ = factory.createReportWriter();
    else siblings_.push_back(factory.createSibling(id));
  }
  if (!base_ || !clientCtx_ || !resultCtx_ || !returnCtx_ || !utilities_ || !reporter_)
    throw std::runtime_error("a host object was not created");
  for (const auto& s : siblings_)
    if (!s) throw std::runtime_error("a sibling component was not created");
}

Component::~Component() = default;

SiblingComponent& Component::sibling(const std::string& progId) {
  if (progId == utilities_->progId()) return *utilities_;
  for (auto& s : siblings_)
    if (s->progId() == progId) return *s;
  throw std::out_of_range("no component " + progId);
}

void Component::showMaximised(const std::shared_ptr<ui::Form>& form) {
  form->windowState = 2;
  desktop_->show(form);
}

}  // namespace meridian::host
