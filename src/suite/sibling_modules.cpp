#include "suite/sibling_modules.h"

#include <stdexcept>

#include "host/component.h"
#include "host/screen_registry.h"

namespace meridian::suite {

const std::map<std::string, std::vector<std::string>>& siblingMembers() {
  static const std::map<std::string, std::vector<std::string>> members = {
      {"PrjAccounts.Forms", {"ObjNewFATR", "oClsRep"}},
      {"PrjOtherHeads.Forms", {"ObjHouseProp", "ObjIncCap", "ObjOtherIncome", "ObjSpRateInc", "SchPTI", "ObjSch5A", "ObjSchFA",
                               "ObjCapDeemed", "ObjCapDepr"}},
      {"PrjBusiness.Forms", {"objbusiness", "Objad44", "Objfirm", "Objaop", "Obj35AD", "Obj10AA"}},
      {"PrjSalary.Forms", {"ObjSalary"}},
      {"PrjDeductions.Forms",
       {"ObjLoss", "ObjRebate", "Objtaxdetail", "ObjDeduct", "ObjDeductN", "ObjMat_Cal", "ObjAMT_Cal", "ObjAppfund",
        "ObjSchFSITR", "ObjItFrm", "ObjSchDDT"}},
      {"PrjUtilities.Forms", {"ObjPending", "ObjChallan", "ObjAgriculture"}},
      {"PrjAssetSchedule.Forms", {"itfixedsch", "GetCurDepr", "oClsRep"}},
      {"PrjReturnsOld.Forms", {"EFile", "ReturnForm", "ReturnDate", "GetGenInfo", "GetGenInfoTrust", "GetGenInfooth"}},
      {"PrjReturnsNew.Forms", {"EFile", "ReturnForm", "ReturnDate", "GetGenInfo", "GetGenInfoTrust", "GetGenInfooth"}},
  };
  return members;
}

AbsentModuleForm::AbsentModuleForm(const std::string& member, const std::string& progId) : ui::Form(member, member) {
  add(ui::ControlKind::label, "lblAbsent",
      "This screen belongs to the " + progId + " module of the suite, which this installation does not carry.");
  add(ui::ControlKind::button, "cmdBack", "&Back");
  on("cmdBack", ui::EventType::click, [this](ui::Event&) { desktop()->close(*this); });
}

SiblingModule::SiblingModule(const std::string& progId, std::vector<std::string> members)
    : host::SiblingComponent(progId, std::move(members)) {}

std::shared_ptr<ui::Form> SiblingModule::object(const std::string& member) {
  auto it = forms_.find(member);
  if (it != forms_.end()) return it->second;
  bool known = false;
  for (const auto& m : members()) known = known || m == member;
  if (!known) throw std::out_of_range(progId() + " has no member " + member);
  std::shared_ptr<ui::Form> form = registeredMemberScreen(component(), member);
  if (!form) form = std::make_shared<AbsentModuleForm>(member, progId());
  forms_[member] = form;
  return form;
}

std::shared_ptr<ui::Form> registeredMemberScreen(host::Component* component, const std::string& member) {
  if (!component || !host::ScreenRegistry::instance().find(member)) return nullptr;
  return component->kept(member);
}

}  // namespace meridian::suite
