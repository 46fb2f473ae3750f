#pragma once
// Objfirm: the firms in which the client is a partner, one row each in
// business_firm: the firm's name and PAN, the client's share of its profit
// (the percentage, the amount exempt u/s 10(2A), the capital balance), the
// salary, interest and commission it paid the client (taxed u/s 28(v)), and
// whether the firm's accounts are audited and a report u/s 92E is due.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class FirmIncomeForm : public HeadScreen {
 public:
  explicit FirmIncomeForm(host::Component& component);

  static constexpr const char* firms = "vsfFirms";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* firms_;
};

}  // namespace meridian::suite::heads
