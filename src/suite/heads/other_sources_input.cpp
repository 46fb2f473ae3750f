// Income from other sources of the year into the computation.
#include "suite/heads/other_sources_input.h"

#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {

const std::array<ArisingPeriodColumn, engine::kArisingPeriods>& arisingPeriodColumns() {
  static const std::array<ArisingPeriodColumn, engine::kArisingPeriods> list = {{
      {"upto_15_6", "Up to 15/6"},
      {"upto_15_9", "From 16/6 to 15/9"},
      {"upto_15_12", "From 16/9 to 15/12"},
      {"upto_15_3", "From 16/12 to 15/3"},
      {"upto_31_3", "From 16/3 to 31/3"},
  }};
  return list;
}

void addOtherSourcesArising(const std::vector<ArisingEntry>& entries, engine::YearInput& in) {
  for (const ArisingEntry& e : entries)
    for (std::size_t p = 0; p < engine::kArisingPeriods; ++p) {
      if (e.kind == arising_kinds::winnings) in.arising[p].winnings += e.amounts[p];
      else if (e.kind == arising_kinds::dividends) in.arising[p].dividendDomestic += e.amounts[p];
    }
}

namespace {

Money amountIn(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }

// The year's parts are read in no set order, so this head's figures are
// added to what another part may already have put under other sources,
// never written over it.
void addTo(engine::OtherSourcesInput& to, const engine::OtherSourcesInput& from) {
  static_assert(sizeof(engine::OtherSourcesInput) == 9 * sizeof(Money), "a new field of other sources is added here");
  to.savingsInterest += from.savingsInterest;
  to.otherInterest += from.otherInterest;
  to.dividendTaxable += from.dividendTaxable;
  to.familyPension += from.familyPension;
  to.winnings += from.winnings;
  to.other += from.other;
  to.raceHorses += from.raceHorses;
  to.dividendDomestic += from.dividendDomestic;
  to.unexplained115bbe += from.unexplained115bbe;
}

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
  addTo(in.otherSources, otherSourcesInputOf(a));
  std::vector<ArisingEntry> arising;
  for (const auto& r : readRows(conn, {.table = "oth_arising", .serialColumn = "srno"}, s.dataSet, s.year)) {
    ArisingEntry e{r.text("kind"), {}};
    for (std::size_t p = 0; p < engine::kArisingPeriods; ++p) e.amounts[p] = amountIn(r, arisingPeriodColumns()[p].column);
    arising.push_back(std::move(e));
  }
  addOtherSourcesArising(arising, in);
}

const YearInputPartRegistration registered{"other sources", &loadOtherSources};

}  // namespace
}  // namespace meridian::suite::heads
