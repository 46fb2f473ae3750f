#pragma once
// objbusiness: the businesses and professions of the year, one row each in
// income_business with the summary of its profit and loss account; for the
// business selected, the amounts debited that the law does not allow
// (business_disallowed), the amounts of other heads and exempt income within
// its account (business_plitems) and, when its income is presumed, its
// figures u/s 44AD or 44ADA (business_44adaf); and the commission received
// (comms). The year's number of businesses goes to income.no_of_business.
#include "suite/heads/client_person.h"
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class BusinessForm : public HeadScreen {
 public:
  explicit BusinessForm(host::Component& component);

  static constexpr const char* businesses = "vsfBusiness";
  static constexpr const char* disallowed = "vsfDisallowed";
  static constexpr const char* presumptive = "vsfPresumptive";
  static constexpr const char* plItems = "vsfPLItems";
  static constexpr const char* commission = "vsfComms";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;
  void saved() override;

 private:
  int businessesKept();
  bool checkProfitAndLossItems(int masterRow);
  void openDepreciationChart();

  RowGrid* businesses_;
  RowGrid* disallowed_;
  RowGrid* presumptive_;
  RowGrid* plItems_;
  RowGrid* commission_;
  MasterDetail* details_;
  ClientPerson person_;
  Money depreciationAllowed_;  // by the year's fixed-asset chart, as read when the screen was shown
};

}  // namespace meridian::suite::heads
