#pragma once
// The sibling modules of the suite that this module opens but does not
// contain. Each is one object, created by its ProgID at start-up, that hands
// out named forms and objects.
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace meridian::ui { class Form; }

namespace meridian::host {

class Component;

class SiblingComponent {
 public:
  SiblingComponent(std::string progId, std::vector<std::string> members)
      : progId_(std::move(progId)), members_(std::move(members)) {}
  virtual ~SiblingComponent() = default;
  const std::string& progId() const { return progId_; }
  const std::vector<std::string>& members() const { return members_; }
  // The named form or object (ObjSalary, ObjChallan ...); the same instance
  // for the life of the component.
  virtual std::shared_ptr<ui::Form> object(const std::string& member) = 0;

  // The component that created it, told once every host object exists: a
  // member screen is made with the component, as every screen is.
  void attachTo(Component& component) { component_ = &component; }

 protected:
  Component* component() const { return component_; }

 private:
  std::string progId_;
  std::vector<std::string> members_;
  Component* component_ = nullptr;
};

// ObjPending of the utilities component: the practice-wide lists.
class PendingLists {
 public:
  virtual ~PendingLists() = default;
  virtual std::shared_ptr<ui::Form> form() = 0;
  virtual void FillAsOrder(int selector) = 0;
  virtual void FillPAN(int selector) = 0;
  virtual void FillTAN(int selector) = 0;
  virtual void FillRefund(int selector) = 0;
  virtual void FillMiscReps(int index) = 0;
  virtual void FillWard() = 0;
};

class UtilitiesComponent : public SiblingComponent {
 public:
  using SiblingComponent::SiblingComponent;
  virtual PendingLists& ObjPending() = 0;
};

}  // namespace meridian::host
