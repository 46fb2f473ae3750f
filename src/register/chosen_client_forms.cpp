#include "register/chosen_client_forms.h"

#include "host/screen_registry.h"

namespace meridian::reg {

ChosenClientForm::ChosenClientForm(const std::string& name, const std::string& title, host::Component& host)
    : host::Screen(host.base(), name, title), host_(host) {
  add(ui::ControlKind::label, "lblClient");
  add(ui::ControlKind::label, "lblYear");
  add(ui::ControlKind::label, "lblStatus");
  add(ui::ControlKind::button, "cmdback", "&Back");
  on("cmdback", ui::EventType::click, [this](ui::Event&) { close(); });
}

void ChosenClientForm::load() {
  (*this)["lblClient"].caption = "Client : " + host_.clientCtx().vT_Code_No.get() +
                                 (host_.returnCtx().vITname.get().empty() ? "" : " " + host_.returnCtx().vITname.get());
  (*this)["lblYear"].caption = "Assessment Year : " + host_.returnCtx().Vt_ASS_YEAR.get();
  (*this)["lblStatus"].caption = "Status : " + host_.base().STATUSR.get();
}

namespace {

host::ScreenEntry chosenClientScreen(const char* name, const char* title) {
  return {.name = name, .make = [name, title](host::Component& c) { return std::make_shared<ChosenClientForm>(name, title, c); }};
}

const host::ScreenRegistration newPan{chosenClientScreen("frmpannewapp", "New PAN Application")};
const host::ScreenRegistration panChange{chosenClientScreen("frmpanchapp", "PAN Change Request")};

}  // namespace

}  // namespace meridian::reg
