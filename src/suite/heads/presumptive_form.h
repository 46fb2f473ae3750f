#pragma once
// Objad44: the goods carriages whose income is presumed u/s 44AE, one row
// each in business_44ae (outside any business of income_business, bus_num
// 0): registration, heavy or other, weight where the year presumes a heavy
// vehicle's income by it, months owned, income declared per month.
// Presumptive income of a business u/s 44AD or of a profession u/s 44ADA is
// entered with that business on the business screen.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class PresumptiveForm : public HeadScreen {
 public:
  explicit PresumptiveForm(host::Component& component);

  static constexpr const char* vehicles = "vsfVehicles";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* vehicles_;
};

}  // namespace meridian::suite::heads
