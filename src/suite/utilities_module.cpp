#include "suite/utilities_module.h"

#include "suite/challan_list.h"

namespace meridian::suite {

UtilitiesModule::UtilitiesModule(host::Base& base, host::ClientContext& client)
    : host::UtilitiesComponent("PrjUtilities.Forms", {"ObjPending", "ObjChallan", "ObjAgriculture"}),
      base_(base),
      client_(client),
      pending_(base.DbObj(), client) {}

std::shared_ptr<ui::Form> UtilitiesModule::object(const std::string& member) {
  if (member == "ObjPending") return pending_.form();
  if (member == "ObjChallan") {
    if (!challan_) challan_ = std::make_shared<ChallanListForm>(base_, client_);
    return challan_;
  }
  if (member == "ObjAgriculture") {
    if (!agriculture_) agriculture_ = registeredMemberScreen(component(), member);
    if (!agriculture_) agriculture_ = std::make_shared<AbsentModuleForm>(member, progId());
    return agriculture_;
  }
  throw std::out_of_range(progId() + " has no member " + member);
}

}  // namespace meridian::suite
