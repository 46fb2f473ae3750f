#pragma once
// ObjCapDepr: capital gains on depreciable assets of the year (capital_depr),
// block by block as Schedule DCG takes them: the rate of the block, what the
// assets transferred fetched, the written-down value with the year's
// additions, the expenses of the transfer, and whether the block ceased to
// exist. ITR-2 and ITR-3 have no column for such a gain (the return
// screen's form rules).
#include "suite/heads/table_grids_screen.h"

namespace meridian::suite::heads {

class DepreciableGainsForm : public TableGridsScreen {
 public:
  explicit DepreciableGainsForm(host::Component& component);

 protected:
  void refresh() override;

 private:
  RowGrid* rows_;
};

}  // namespace meridian::suite::heads
