// The houses of the year into the computation.
#include "suite/heads/house_input.h"

#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {
namespace {

void loadHouses(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  for (const auto& r : readRows(conn, {.table = "income_house", .serialColumn = "house_no"}, s.dataSet, s.year)) {
    HouseFigures h;
    h.use = r.text("let_typ");
    h.sharePercent = static_cast<int>(r.integer("share_pct", 100));
    h.rent = r.money("rent").value_or(Money());
    h.unrealisedRent = r.money("unrealised").value_or(Money());
    h.municipalTax = r.money("muni_tax").value_or(Money());
    h.interest = r.money("interest").value_or(Money());
    h.loanDate = parseIso(r.text("loan_dt"));
    in.houses.push_back(houseInputOf(h));
    if (!r.money("arrears").value_or(Money()).isZero())
      notes.push_back("Arrears of rent u/s 25B of house " + r.text("house_no") + " are not computed yet.");
  }
}

const YearInputPartRegistration registered{"house property", &loadHouses};

}  // namespace
}  // namespace meridian::suite::heads
