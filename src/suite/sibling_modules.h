#pragma once
// The sibling modules of the suite as this installation carries them. Each
// hands out its named forms; a module whose screens this installation does
// not carry shows a form that says which module it belongs to.
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

// A form of a module this installation does not carry.
class AbsentModuleForm : public ui::Form {
 public:
  AbsentModuleForm(const std::string& member, const std::string& progId);
};

}  // namespace meridian::suite
