#pragma once
// The order frame of frmRevOrd (`txtfieldsO`, `cbosection`, `optasmt`, the
// refund grid, `cmdupdateO`): an assessment or other order with the interest
// it fixes and the refunds granted under it.
#include <string>
#include <vector>

#include "db/connection.h"
#include "host/component.h"
#include "ui/dialogs.h"

namespace meridian::returns {

struct RefundLine {
  std::string grantDate;  // dd/mm/yyyy
  long long tax = 0;      // refund of tax, whole rupees
  long long interest = 0; // interest on the refund
};

struct OrderDetails {
  int section = 0;             // code in the section list; 0 when none chosen
  std::string assessment;      // "Re-Computation" or "Re-Assessment" (sections 148, 153A)
  std::string orderDate;       // dd/mm/yyyy
  std::string serviceDate;     // served on: interest u/s 220(2) runs from here
  std::string interestUpTo;    // interest u/s 220(2) calculated up to
  std::string assessedUpTo;    // order u/s 143(1)/143(3) up to which 234B is charged
  long long tax234B = 0, tax234C = 0;
  std::vector<RefundLine> refunds;
};

// Adds the order (editSrNo 0) or updates the one being edited, and rewrites
// its refunds. False, after telling the user why, when refused.
bool saveOrder(host::Component& host, ui::Dialogs& dialogs, const OrderDetails& d, int editSrNo = 0);

// The refunds granted under the order with this data-set code, by grant date.
std::vector<RefundLine> readRefunds(db::Connection& conn, const std::string& orderCode, int year);

}  // namespace meridian::returns
