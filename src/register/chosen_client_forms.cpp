#include "register/chosen_client_forms.h"

namespace meridian::reg {

ChosenClientForm::ChosenClientForm(const std::string& name, const std::string& title, host::Component& host)
    : ui::Form(name, title), host_(host) {
  add(ui::ControlKind::label, "lblClient");
  add(ui::ControlKind::label, "lblYear");
  add(ui::ControlKind::label, "lblStatus");
  add(ui::ControlKind::button, "cmdback", "&Back");
  on("cmdback", ui::EventType::click, [this](ui::Event&) { desktop()->close(*this); });
  on("", ui::EventType::keyDown, [this](ui::Event& e) {
    if (e.key == ui::keys::escape) desktop()->close(*this);
  });
}

void ChosenClientForm::load() {
  (*this)["lblClient"].caption = "Client : " + host_.clientCtx().vT_Code_No.get() +
                                 (host_.returnCtx().vITname.get().empty() ? "" : " " + host_.returnCtx().vITname.get());
  (*this)["lblYear"].caption = "Assessment Year : " + host_.returnCtx().Vt_ASS_YEAR.get();
  (*this)["lblStatus"].caption = "Status : " + host_.base().STATUSR.get();
}

}  // namespace meridian::reg
