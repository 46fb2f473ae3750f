#pragma once
// ObjSchFSITR (the workspace's DTAA button): Schedule FSI of the year
// (taxrelsch), the income from outside India country by country and head by
// head, the tax paid there and the section of the relief claimed. The
// return's checks compare it with the relief claimed and the heads' income.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class ForeignIncomeForm : public HeadScreen {
 public:
  explicit ForeignIncomeForm(host::Component& component);

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* rows_;
};

}  // namespace meridian::suite::heads
