#pragma once
// ObjLoss: losses of earlier years brought forward (losses), by head, the
// A.Y. each arose in and whether that year's return was filed in time.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class LossesForm : public HeadScreen {
 public:
  explicit LossesForm(host::Component& component);

  static constexpr const char* losses = "vsfLosses";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* losses_;
};

}  // namespace meridian::suite::heads
