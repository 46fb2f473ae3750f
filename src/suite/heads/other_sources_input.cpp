// Income from other sources of the year into the computation.
#include "suite/heads/other_sources_input.h"

#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {
namespace {

Money amountIn(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }

void loadOtherSources(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  OtherSourceAmounts a;
  for (const auto& r : readRows(conn, {.table = "other_income", .serialColumn = "srno"}, s.dataSet, s.year))
    addReceipt(a, r.text("nature"), amountIn(r, "amount"));
  for (const auto& r : readRows(conn, {.table = "rebate_nsc", .serialColumn = "srno"}, s.dataSet, s.year))
    a.certificateInterest += amountIn(r, "interest");
  for (const auto& r :
       readRows(conn, {.table = "sprtothinc", .yearColumn = "tyear", .serialColumn = "srno"}, s.dataSet, s.year)) {
    if (!addSpecialRate(a, r.text("seccode"), amountIn(r, "amount")))
      notes.push_back("Income at the special rate of section code " + r.text("seccode") + " is not computed yet.");
  }
  const auto expenses = readRows(conn, {.table = "oth_inc", .yearColumn = "assyear"}, s.dataSet, s.year);
  if (!expenses.empty()) {
    a.expenses = amountIn(expenses.front(), "expenses");
    a.depreciation = amountIn(expenses.front(), "depreciation");
    a.raceHorseReceipts = amountIn(expenses.front(), "racehorse_receipts");
    a.raceHorseExpenses = amountIn(expenses.front(), "racehorse_expenses");
    a.dividendDomestic = amountIn(expenses.front(), "dividend_domestic");
  }
  in.otherSources = otherSourcesInputOf(a);
}

const YearInputPartRegistration registered{"other sources", &loadOtherSources};

}  // namespace
}  // namespace meridian::suite::heads
