#pragma once
// ObjOtherIncome ("Other / Exempt / NSC / KVP"): receipts taxed under other
// sources by nature (other_income), incomes of the head taxed at special
// rates (sprtothinc), exempt income by kind (incitemdet, its kind in typ),
// NSC and KVP held with the interest of the year (rebate_nsc), and the
// expenses and depreciation claimed u/s 57, and the receipts and deductions
// of owning and maintaining race horses, and the dividends received from
// domestic companies (oth_inc), and when winnings and those dividends arose,
// by the periods between the advance-tax dates (oth_arising).
#include "suite/heads/client_person.h"
#include "suite/heads/head_screen.h"
#include "suite/heads/other_sources_input.h"

namespace meridian::suite::heads {

class OtherSourcesForm : public HeadScreen {
 public:
  explicit OtherSourcesForm(host::Component& component);

  static constexpr const char* receipts = "vsfOthInc";
  static constexpr const char* specialRate = "vsfSpRate";
  static constexpr const char* exemptIncome = "vsfExempt";
  static constexpr const char* certificates = "vsfNsc";
  static constexpr const char* arising = "vsfArising";

 protected:
  void readYear(db::Connection& conn) override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  OtherSourceAmounts amounts() const;

  RowGrid* receipts_;
  RowGrid* special_;
  RowGrid* exempt_;
  RowGrid* certificates_;
  RowGrid* arising_;
  FieldSet* expenses_;
  ClientPerson person_;  // whom s.115BBDA reaches
};

}  // namespace meridian::suite::heads
