#pragma once
// ObjDeductN (and ObjDeduct, the member the workspace opens for older years):
// the deductions of Chapter VI-A claimed, by section (deductionnew), with the
// facts some limits turn on (deduction: a senior citizen insured, a severe
// disability), and the donations u/s 80G (ded80g), each to a donee of the
// practice's donee list (donee_master), which the donations keep up to date.
// The amounts allowed are the computation's.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class DeductionsForm : public HeadScreen {
 public:
  DeductionsForm(host::Component& component, const std::string& member);

  static constexpr const char* claims = "vsfDed";
  static constexpr const char* donations = "vsf80G";

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  // The donee of a donation row, found by name and PAN in the donee list or
  // added to it; its particulars follow the row.
  long long doneeOf(db::Connection& conn, const db::Pairs& donee);

  RowGrid* claims_;
  RowGrid* donations_;
  FieldSet* options_;
};

}  // namespace meridian::suite::heads
