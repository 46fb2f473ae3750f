#pragma once
// Obj35AD: the specified businesses u/s 35AD, one row each in business_35ad:
// the business, the date it began operations, its profit before the
// deduction and the capital expenditure deducted. Their income joins the
// business income of the year; their loss stays apart (s.73A).
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class SpecifiedBusinessForm : public HeadScreen {
 public:
  explicit SpecifiedBusinessForm(host::Component& component);

  static constexpr const char* specified = "vsfSpecified";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  RowGrid* specified_;
};

}  // namespace meridian::suite::heads
