#pragma once
// Obj10AA: the undertakings whose profits from export are deducted, one row
// each in business_sec10: the section, the A.Y. the undertaking began to
// manufacture or provide services, its profit, export and total turnover,
// the sum credited to the re-investment reserve and the deduction claimed.
// Opened from the business screen; the deduction as the computation will
// allow it is shown as each cell is accepted.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class ExportUnitsForm : public HeadScreen {
 public:
  explicit ExportUnitsForm(host::Component& component);

  static constexpr const char* units = "vsfSec10";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* units_;
};

}  // namespace meridian::suite::heads
