#pragma once
// The sibling modules of the suite as this installation carries them. Each
// hands out its named forms: a member this installation carries is a screen
// registered under the member's name (ObjSalary, ObjHouseProp ...), kept one
// instance per component; any other shows a form that says which module it
// belongs to.
#include <map>
#include <memory>

#include "host/siblings.h"
#include "ui/form.h"

namespace meridian::suite {

// Member names each sibling component offers, by ProgID.
const std::map<std::string, std::vector<std::string>>& siblingMembers();

class SiblingModule : public host::SiblingComponent {
 public:
  SiblingModule(const std::string& progId, std::vector<std::string> members);
  std::shared_ptr<ui::Form> object(const std::string& member) override;

 protected:
  std::map<std::string, std::shared_ptr<ui::Form>> forms_;
};

// The kept screen registered under a member's name; null when none is (or
// the sibling is not attached to a component yet).
std::shared_ptr<ui::Form> registeredMemberScreen(host::Component* component, const std::string& member);

// A form of a module this installation does not carry.
class AbsentModuleForm : public ui::Form {
 public:
  AbsentModuleForm(const std::string& member, const std::string& progId);
};

}  // namespace meridian::suite
