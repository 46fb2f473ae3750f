#pragma once
// ObjAppfund: the application of a charitable or religious trust's income
// for the year (appfund). Beside what was applied, set apart and
// accumulated (s.11(1)(a), 11(2)), it holds the income of a business held
// under trust as shown in the undertaking's own accounts and the income
// chargeable u/s 11(4): the return's checks compare the latter with the
// business head's income beyond the accounts.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class ApplicationOfFundForm : public HeadScreen {
 public:
  explicit ApplicationOfFundForm(host::Component& component);

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;

 private:
  FieldSet* fund_;
};

}  // namespace meridian::suite::heads
