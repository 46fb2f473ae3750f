#pragma once
// ObjAgriculture: the year's agricultural income (agri: receipts, expenses,
// unabsorbed agricultural loss brought forward), the income of minor children
// included in the client's u/s 64(1A) (mininc), and the income of other
// persons included u/ss 60 to 64 (clubinc). The year's agri row is written
// whenever the screen holds anything, so that the year counts as having
// entries of this head.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class AgricultureForm : public HeadScreen {
 public:
  explicit AgricultureForm(host::Component& component);

  static constexpr const char* minors = "vsfMinorIncome";
  static constexpr const char* others = "vsfClubbedIncome";

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  FieldSet* agriculture_;
  RowGrid* minors_;
  RowGrid* others_;
};

}  // namespace meridian::suite::heads
