#include "host/component.h"

#include <random>
#include <stdexcept>

#include "host/screen_registry.h"
#include "ui/form.h"

namespace meridian::host {
namespace {

std::string randomKey() {
  std::random_device rd;
  static const char digits[] = "0123456789abcdef";
  std::string key;
  for (int i = 0; i < 8; ++i) {
    unsigned v = rd();
    for (int k = 0; k < 4; ++k, v >>= 4) key.push_back(digits[v & 0xF]);
  }
  return key;
}

}  // namespace

const std::vector<std::string>& startupOrder() {
  static const std::vector<std::string> order = {
      "KesBase.ClsMain",       "PrjAccounts.Forms",      "PrjOtherHeads.Forms",    "PrjClientCtx.Forms",
      "PrjResultCtx.Forms",    "PrjReturnCtx.Forms",     "PrjBusiness.Forms",      "PrjSalary.Forms",
      "PrjDeductions.Forms",   "PrjUtilities.Forms",     "PrjAssetSchedule.Forms", "PrjReturnsOld.Forms",
      "PrjReturnsNew.Forms",   "PrjVeltoReporter.ClsMain"};
  return order;
}

Component::Component(HostFactory& factory, ui::Desktop& desktop) : desktop_(&desktop), sessionKey_(randomKey()) {
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
  for (const auto& s : siblings_) s->attachTo(*this);
  utilities_->attachTo(*this);
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

namespace {
const ScreenEntry& entryOf(const std::string& name) {
  const ScreenEntry* e = ScreenRegistry::instance().find(name);
  if (!e) throw std::out_of_range("no screen is registered as " + name);
  return *e;
}
}  // namespace

std::shared_ptr<Screen> Component::kept(const std::string& name) {
  auto& slot = kept_[name];
  if (!slot) {
    slot = entryOf(name).make(*this);
    slot->attach(desktop_, nullptr);
  }
  return slot;
}

std::shared_ptr<Screen> Component::open(const std::string& name, const OpenRequest& request) {
  const ScreenEntry& entry = entryOf(name);
  if (!base_->CheckPass(entry.right)) return nullptr;
  std::shared_ptr<Screen> screen = entry.kept ? kept(name) : entry.make(*this);
  screen->opened(request);
  showMaximised(screen);
  return screen;
}

}  // namespace meridian::host
