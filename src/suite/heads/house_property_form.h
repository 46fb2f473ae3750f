#pragma once
// ObjHouseProp: the houses of the year, one row each in income_house, with
// the co-owners of each (hpcoowndet; the client's share and theirs make 100)
// and its tenants (hptenantdet). The year's number of houses goes to
// income.no_of_house.
#include "suite/engine/year_input.h"
#include "suite/heads/head_screen.h"

namespace meridian::suite::heads {

class HousePropertyForm : public HeadScreen {
 public:
  explicit HousePropertyForm(host::Component& component);

  static constexpr const char* houses = "vsfHouses";
  static constexpr const char* coOwners = "vsfCoOwners";
  static constexpr const char* tenants = "vsfTenants";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;
  void saved() override;

 private:
  // The houses as the computation reads them, in the grid's order.
  std::vector<engine::HouseInput> inputs();

  RowGrid* houses_;
  RowGrid* coOwners_;
  RowGrid* tenants_;
  MasterDetail* details_;
};

}  // namespace meridian::suite::heads
