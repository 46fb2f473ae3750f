#pragma once
// ObjSalary: the employers of the year, one row each in income_salary, with
// the allowances each paid: those exempt in part u/s 10 (tab_exempt: the
// amount received and the part exempt) and the others (other_allow). The
// year's number of employers goes to income.no_of_empr.
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class SalaryForm : public HeadScreen {
 public:
  explicit SalaryForm(host::Component& component);

  static constexpr const char* employers = "vsfEmployers";
  static constexpr const char* exemptAllowances = "vsfExemptAllow";
  static constexpr const char* otherAllowances = "vsfOtherAllow";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;
  void saved() override;

 private:
  RowGrid* employers_;
  RowGrid* exempt_;
  RowGrid* others_;
  MasterDetail* details_;
};

}  // namespace meridian::suite::heads
