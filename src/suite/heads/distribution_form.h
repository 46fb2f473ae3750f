#pragma once
// ObjSchDDT: Schedule DDT/BBS of a company's year. Each distribution (a
// dividend u/s 115-O, or income distributed on a buy-back of unlisted
// shares u/s 115QA) with its date and amount (geninfo_schj), and the tax
// paid on the distribution selected (dist_tax). The return's checks compare
// the tax paid with the tax due.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class DistributionForm : public HeadScreen {
 public:
  explicit DistributionForm(host::Component& component);

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;

 private:
  RowGrid* distributions_;
  RowGrid* taxPaid_;
  MasterDetail* details_;
};

}  // namespace meridian::suite::heads
