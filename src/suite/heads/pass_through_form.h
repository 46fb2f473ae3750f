#pragma once
// SchPTI: Schedule PTI of the year (schpti), from A.Y. 2016-17. A unit
// holder of a business trust (s.115UA) or of an investment fund (s.115UB)
// is taxed on the income the trust or fund passes through, head by head as
// it arose there; one row per trust or fund and head, with the tax deducted.
// ITR-1 and ITR-4S have no such schedule (the return screen's form rules).
#include "suite/heads/table_grids_screen.h"

namespace meridian::suite::heads {

class PassThroughForm : public TableGridsScreen {
 public:
  explicit PassThroughForm(host::Component& component);

 protected:
  void refresh() override;

 private:
  RowGrid* rows_;
};

}  // namespace meridian::suite::heads
