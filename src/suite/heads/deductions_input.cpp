// Chapter VI-A claims and donations into the computation.
#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {
namespace {

void loadDeductions(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes&) {
  engine::DeductionClaims& d = in.deductions;
  for (const auto& r : readRows(conn, {.table = "deductionnew", .serialColumn = "srno"}, s.dataSet, s.year))
    d.claimed[r.text("section")] += r.money("claimed").value_or(Money());
  const auto options = readRows(conn, {.table = "deduction"}, s.dataSet, s.year);
  if (!options.empty()) {
    d.selfSenior = options.front().text("senior_self") == "Y";
    d.parentsSenior = options.front().text("senior_parents") == "Y";
    d.severeDisability = options.front().text("severe_disab") == "Y";
  }
  for (const auto& r : conn.query("SELECT m.catg, g.amount FROM ded80g g JOIN donee_master m ON m.doneecd = g.doneecd "
                                  "WHERE g.code_no = ? AND g.ass_year = ? ORDER BY g.srno",
                                  {s.dataSet, s.year})) {
    const Money amount = r.money("amount").value_or(Money());
    const std::string catg = r.text("catg");
    (catg == "100" ? d.donations.full : catg == "50" ? d.donations.half : catg == "100L" ? d.donations.fullLimited
                                                                                         : d.donations.halfLimited) += amount;
  }
}

const YearInputPartRegistration registered{"deductions", &loadDeductions};

}  // namespace
}  // namespace meridian::suite::heads
