// Taxes paid and relief of the year into the computation.
#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {
namespace {

std::vector<engine::DatedPayment> payments(db::Connection& conn, const char* table, const YearSource& s,
                                           LoadNotes& notes) {
  std::vector<engine::DatedPayment> out;
  for (const auto& r : readRows(conn, {.table = table, .serialColumn = "srno"}, s.dataSet, s.year)) {
    const auto date = parseIso(r.text("date"));
    if (!date) {
      notes.push_back(std::string("A payment in ") + table + " without its date is left out.");
      continue;
    }
    out.push_back({*date, r.money("amt").value_or(Money())});
  }
  return out;
}

// TCS is collected u/s 206C; every other item is tax deducted at source.
void loadTaxesPaid(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  for (const auto& r : conn.query("SELECT i.section, t.tdsclaim FROM tds t LEFT JOIN secdesc_items i ON i.itemcd = t.itemcd "
                                  "WHERE t.code_no = ? AND t.asyear = ? ORDER BY t.srno",
                                  {s.dataSet, s.year}))
    (r.text("section").rfind("206", 0) == 0 ? in.taxesPaid.tcs : in.taxesPaid.tds) +=
        r.money("tdsclaim").value_or(Money());
  in.taxesPaid.advance = payments(conn, "adv_tax", s, notes);
  in.taxesPaid.selfAssessment = payments(conn, "self_tax", s, notes);
}

// Relief u/s 90A is relief under an agreement, as u/s 90: the computation
// takes them together.
void loadRelief(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes&) {
  const auto rows = readRows(conn, {.table = "income_relief"}, s.dataSet, s.year);
  if (rows.empty()) return;
  const auto& r = rows.front();
  auto amount = [&](const char* c) { return r.money(c).value_or(Money()); };
  in.relief89 = amount("rel89");
  in.relief90 = amount("rel90") + amount("rel90a");
  in.relief91 = amount("rel91");
}

const YearInputPartRegistration taxes{"taxes paid", &loadTaxesPaid};
const YearInputPartRegistration relief{"relief", &loadRelief};

}  // namespace
}  // namespace meridian::suite::heads
