#include "suite/heads/house_property_form.h"

#include "host/screen_registry.h"
#include "suite/engine/heads.h"
#include "suite/heads/head_choices.h"
#include "suite/heads/house_input.h"

namespace meridian::suite::heads {
namespace {

const YearTable kHouses{.table = "income_house", .serialColumn = "house_no"};
const YearTable kCoOwners{.table = "hpcoowndet", .serialColumn = "srno"};
const YearTable kTenants{.table = "hptenantdet", .serialColumn = "srno"};

}  // namespace

HousePropertyForm::HousePropertyForm(host::Component& component)
    : HeadScreen(component, "ObjHouseProp", "House Property") {
  // A loan taken after the previous year ended has earned no interest in it.
  auto loanDate = CellType::date(notAfterPreviousYear("The loan can not have been taken after "), true);
  houses_ = &addRowGrid({houses, "House", "House Properties",
                         {{"Address", "address", CellType::text(255), true},
                          {"City", "city", CellType::text(100)},
                          {"State", "state", CellType::text(100)},
                          {"PIN", "pin", CellType::digits(6, "PIN Code must be of 6 digits.")},
                          {"Use", "let_typ", CellType::choice(choices::houseUses()), true, "Let Out"},
                          {"Share %", "share_pct", CellType::whole(1, 100), true, "100"},
                          {"Rent Received / Receivable", "rent", CellType::money()},
                          {"Unrealised Rent", "unrealised", CellType::money()},
                          {"Municipal Taxes Paid", "muni_tax", CellType::money()},
                          {"Interest on Borrowed Capital u/s 24(b)", "interest", CellType::money()},
                          {"Date of Loan", "loan_dt", loanDate},
                          {"Arrears of Rent u/s 25B", "arrears", CellType::money()}},
                         true});
  details_ = &addMasterDetail(*houses_, kHouses);
  coOwners_ = &addDetailGrid({coOwners, "CoOwner", "Co-owners (of the house selected)",
                              {{"Name", "name", CellType::text(125), true},
                               {"PAN", "pan", CellType::pan()},
                               {"Share %", "share_pct", CellType::whole(1, 99), true}}},
                             *details_, kCoOwners, "house_no");
  tenants_ = &addDetailGrid({tenants, "Tenant", "Tenants (of the house selected)",
                             {{"Name", "name", CellType::text(125), true}, {"PAN", "pan", CellType::pan()}}},
                            *details_, kTenants, "house_no");
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void HousePropertyForm::readYear(db::Connection& conn) { details_->read(conn, code(), year()); }

std::vector<engine::HouseInput> HousePropertyForm::inputs() {
  std::vector<engine::HouseInput> out;
  for (int r : houses_->filledRows()) {
    HouseFigures h;
    h.use = houses_->code(r, "let_typ");
    const std::string share = houses_->cell(r, "share_pct");
    h.sharePercent = share.empty() ? 100 : std::atoi(share.c_str());
    h.rent = houses_->amount(r, "rent");
    h.unrealisedRent = houses_->amount(r, "unrealised");
    h.municipalTax = houses_->amount(r, "muni_tax");
    h.interest = houses_->amount(r, "interest");
    h.loanDate = parseDmy(houses_->cell(r, "loan_dt"));
    out.push_back(houseInputOf(h));
  }
  return out;
}

bool HousePropertyForm::checkYear() {
  int selfOccupied = 0;
  for (int m = 0; m < houses_->rowCount(); ++m) {
    if (!details_->filled(m)) continue;
    auto refuseIn = [&](const std::string& column, const std::string& message) {
      houses_->select(m, houses_->columnIndex(column));
      details_->masterSelected(m);
      return refuse(message, houses);
    };
    const std::string use = houses_->code(m, "let_typ");
    if (use == "N" && ++selfOccupied > 1)
      return refuseIn("let_typ", "Only one house may be self-occupied; another is deemed to be let out (s.23(4)).");
    if (use == "N" && !houses_->amount(m, "rent").isZero())
      return refuseIn("rent", "A self-occupied house has no rent to enter: its annual value is nil (s.23(2)).");
    if (houses_->amount(m, "unrealised") > houses_->amount(m, "rent"))
      return refuseIn("unrealised", "Unrealised rent can not exceed the rent.");

    const std::string share = houses_->cell(m, "share_pct");
    int total = share.empty() ? 100 : std::atoi(share.c_str());
    for (const auto& d : details_->details()) {
      if (d.grid != coOwners_) continue;
      for (const auto& row : details_->detailRows(d, m))
        if (!coOwners_->blank(row)) total += std::atoi(row[2].c_str());
    }
    // A share below 100 needs the co-owners holding the rest: the return lists them.
    if (total != 100)
      return refuseIn("share_pct",
                      "Total ownership share including share of co-owner(s) should be 100%. Please corret the same in "
                      "\"House Property [" + std::to_string(m + 1) + "] \".");
  }
  return true;
}

void HousePropertyForm::writeYear(db::Connection& conn) {
  details_->write(conn, code(), year());
  setIncomeCount(conn, "no_of_house", static_cast<int>(inputs().size()));
}

void HousePropertyForm::saved() { component_.clientCtx().vTotHouNos = static_cast<int>(inputs().size()); }

void HousePropertyForm::refresh() {
  const engine::YearLaw* law = engine::lawOf(year());
  if (!law) return;
  Money income;
  for (const auto& f : engine::housesOf(inputs(), *law)) income += f.income;
  (*this)["lblTotals"].caption =
      "Houses : " + std::to_string(inputs().size()) + "    Income from House Property : " + income.grouped();
}

namespace {
const host::ScreenRegistration registered{{.name = "ObjHouseProp",
                                           .make = [](host::Component& c) { return std::make_shared<HousePropertyForm>(c); },
                                           .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
