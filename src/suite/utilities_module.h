#pragma once
// The utilities module: the practice-wide lists (ObjPending), the challans of
// a client (ObjChallan) and agricultural income (ObjAgriculture).
#include "host/base.h"
#include "host/contexts.h"
#include "suite/pending_lists.h"
#include "suite/sibling_modules.h"

namespace meridian::suite {

class UtilitiesModule : public host::UtilitiesComponent {
 public:
  UtilitiesModule(host::Base& base, host::ClientContext& client);
  host::PendingLists& ObjPending() override { return pending_; }
  std::shared_ptr<ui::Form> object(const std::string& member) override;

 private:
  host::Base& base_;
  host::ClientContext& client_;
  PendingListsImpl pending_;
  std::shared_ptr<ui::Form> challan_, agriculture_;
};

}  // namespace meridian::suite
