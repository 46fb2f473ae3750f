#pragma once
// ObjChallan of the utilities module: the tax challans of one client for one
// year (advance tax, self-assessment tax and others).
#include "host/base.h"
#include "host/contexts.h"
#include "ui/form.h"

namespace meridian::suite {

class ChallanListForm : public ui::Form {
 public:
  ChallanListForm(host::Base& base, host::ClientContext& client);
  void load() override;

 private:
  host::Base& base_;
  host::ClientContext& client_;
};

}  // namespace meridian::suite
