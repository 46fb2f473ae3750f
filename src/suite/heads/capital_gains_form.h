#pragma once
// ObjIncCap: the transfers of capital assets in the year, one row each in
// capital (kind of asset, dates held, consideration, the stamp-duty value of
// land or a building, expenses on transfer, cost); for the transfer selected,
// its improvements (capital_improvement) and the exemptions claimed on it
// u/ss 54, 54B, 54EC and 54F (capital_exem). Each transfer's gain is shown
// with its term, its indexed cost and the rate it is taxed at, and the
// year's gains by rate class apart. The year's number of transfers goes to
// income.no_of_capital.
#include <optional>

#include "suite/heads/capital_gain_rules.h"
#include "suite/heads/client_person.h"
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class CapitalGainsForm : public HeadScreen {
 public:
  explicit CapitalGainsForm(host::Component& component);

  static constexpr const char* transfers = "vsfTransfers";
  static constexpr const char* improvements = "vsfImprovements";
  static constexpr const char* exemptions = "vsfExemptions";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;
  void saved() override;

 private:
  // The transfer of a master row as entered; nothing while its kind or dates are blank.
  std::optional<Transfer> transferOf(int row);
  int transfersKept();

  RowGrid* transfers_;
  RowGrid* improvements_;
  RowGrid* exemptions_;
  MasterDetail* details_;
  ClientPerson person_;
};

}  // namespace meridian::suite::heads
