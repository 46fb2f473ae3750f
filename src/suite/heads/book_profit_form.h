#pragma once
// ObjMat_Cal: a company's book profit for the minimum alternate tax
// (s.115JB): the net profit of its profit and loss account (mat_cal) and the
// amounts added to it and taken off it by the clauses of Explanation 1 to
// s.115JB(2) (tbmatadddedn), the clauses offered being those of the year.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class BookProfitForm : public HeadScreen {
 public:
  explicit BookProfitForm(host::Component& component);

  static constexpr const char* additions = "vsfAdditions";
  static constexpr const char* deductions = "vsfDeductions";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  bool checkParts(RowGrid& grid, char flag);

  FieldSet* profit_;
  RowGrid* additions_;
  RowGrid* deductions_;
};

}  // namespace meridian::suite::heads
