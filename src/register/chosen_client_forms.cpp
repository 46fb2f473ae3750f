#include "register/chosen_client_forms.h"

#include "host/screen_registry.h"

namespace meridian::reg {

namespace {

// Until the assessment-year workspace arrives, its stand-in opens the heads
// of income the suite carries, by the workspace's own button names.
struct HeadButton {
  const char* button;
  const char* caption;
  const char* progId;
  const char* member;
};
constexpr HeadButton kHeadButtons[] = {
    {"cmd_salary", "&Salary", "PrjSalary.Forms", "ObjSalary"},
    {"cmd_house", "&House Property", "PrjOtherHeads.Forms", "ObjHouseProp"},
    {"Command4", "&Other / Exempt /NSC / KVP", "PrjOtherHeads.Forms", "ObjOtherIncome"},
    {"cmd_loss", "&Losses", "PrjDeductions.Forms", "ObjLoss"},
    {"Command6", "&Deductions", "PrjDeductions.Forms", "ObjDeductN"},
    {"cmd_rebate", "&Rebate", "PrjDeductions.Forms", "ObjRebate"},
    {"cmd_taxdetail", "&Tax Details", "PrjDeductions.Forms", "Objtaxdetail"},
};

}  // namespace

ChosenClientForm::ChosenClientForm(const std::string& name, const std::string& title, host::Component& host)
    : host::Screen(host.base(), name, title), host_(host) {
  add(ui::ControlKind::label, "lblClient");
  add(ui::ControlKind::label, "lblYear");
  add(ui::ControlKind::label, "lblStatus");
  if (name == "subform")
    for (const HeadButton& b : kHeadButtons) {
      add(ui::ControlKind::button, b.button, b.caption);
      on(b.button, ui::EventType::click, [this, b](ui::Event&) {
        host_.showMaximised(host_.sibling(b.progId).object(b.member));
      });
    }
  if (name == "subform") {
    // The workspace's e-file button: the return screen for the year, mode 2 (electronic).
    add(ui::ControlKind::button, "cmdefl", "&E-File");
    on("cmdefl", ui::EventType::click, [this](ui::Event&) {
      host_.open("frmitr2013", {.mode = 2, .code = host_.clientCtx().vT_Code_No.get()});
    });
  }
  add(ui::ControlKind::button, "cmdback", "&Back");
  on("cmdback", ui::EventType::click, [this](ui::Event&) { close(); });
}

void ChosenClientForm::load() {
  // The year's data are the client's own until a register entry says otherwise.
  if (name() == "subform") host_.clientCtx().vt_RTCode_No = host_.clientCtx().vT_Code_No.get();
  (*this)["lblClient"].caption = "Client : " + host_.clientCtx().vT_Code_No.get() +
                                 (host_.returnCtx().vITname.get().empty() ? "" : " " + host_.returnCtx().vITname.get());
  (*this)["lblYear"].caption = "Assessment Year : " + host_.returnCtx().Vt_ASS_YEAR.get();
  (*this)["lblStatus"].caption = "Status : " + host_.base().STATUSR.get();
}

namespace {

host::ScreenEntry chosenClientScreen(const char* name, const char* title) {
  return {.name = name, .make = [name, title](host::Component& c) { return std::make_shared<ChosenClientForm>(name, title, c); }};
}

const host::ScreenRegistration workspace{chosenClientScreen("subform", "Assessment Year Workspace")};
const host::ScreenRegistration newPan{chosenClientScreen("frmpannewapp", "New PAN Application")};
const host::ScreenRegistration panChange{chosenClientScreen("frmpanchapp", "PAN Change Request")};

}  // namespace

}  // namespace meridian::reg
