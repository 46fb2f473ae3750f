#pragma once
// ObjChallan of the utilities module: the tax challans of one client for one
// year, the advance tax and self-assessment tax the taxes-paid screen keeps.
#include "host/base.h"
#include "host/contexts.h"
#include "host/screen.h"

namespace meridian::suite {

class ChallanListForm : public host::Screen {
 public:
  ChallanListForm(host::Base& base, host::ClientContext& client);
  void load() override;

 private:
  host::ClientContext& client_;
};

}  // namespace meridian::suite
