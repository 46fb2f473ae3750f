#pragma once
// ObjSchFA: Schedule FA of the year (schresfa). A resident declares every
// asset held outside India, his financial interest in any entity there and
// any account there he may sign for, whether or not it yields income; a
// row per asset, its kind naming the part of the schedule it belongs to.
// ITR-1, ITR-4S and ITR-2A have no such schedule (the return screen's form
// rules).
#include "suite/heads/table_grids_screen.h"

namespace meridian::suite::heads {

class ForeignAssetsForm : public TableGridsScreen {
 public:
  explicit ForeignAssetsForm(host::Component& component);

 protected:
  void refresh() override;

 private:
  RowGrid* rows_;
};

}  // namespace meridian::suite::heads
