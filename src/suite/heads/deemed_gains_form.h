#pragma once
// ObjCapDeemed: the capital gains deemed to arise in this year (capital_deemed,
// capital_deemn). The first list holds exemptions of earlier transfers
// withdrawn this year (the new asset sold within the time, ss.54(1), 54B(1),
// 54D(1), 54F(3), 54G(1), 54GA(1); the bonds turned into money, s.54EC(2);
// the shares or the new asset of s.54GB(4)); the second, the amounts left in
// the capital gains account and not used for the new asset within the time,
// by the previous year of the original transfer (ss.54(2), 54B(2), 54D(2),
// 54F(4), 54G(2), 54GA(2)). Each row is short-term or long-term as the
// original gain was; the computation adds them to the year's gains and the
// return's checks judge the sections.
#include "suite/heads/table_grids_screen.h"

namespace meridian::suite::heads {

class DeemedGainsForm : public TableGridsScreen {
 public:
  explicit DeemedGainsForm(host::Component& component);

 protected:
  void refresh() override;

 private:
  RowGrid* withdrawn_;
  RowGrid* unused_;
};

}  // namespace meridian::suite::heads
