// The computation reads the practitioner's spread of unabsorbed depreciation
// over the heads (undepr_setoff, kept by the computation screen's panel).
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::computation {
namespace {

void loadDepreciationSpread(db::Connection& conn, const heads::YearSource& source, engine::YearInput& in,
                            heads::LoadNotes&) {
  const auto rows = conn.query("SELECT head, amount FROM undepr_setoff WHERE code_no = ? AND t_year = ?",
                               {source.dataSet, source.year});
  if (rows.empty()) return;
  engine::DepreciationSpread spread;
  // The panel's rows: 1 house property, 2 business, 3 speculation,
  // 4 short-term gains, 5 long-term gains, 6 other sources.
  Money* byHead[] = {&spread.houseProperty, &spread.business,  &spread.speculation,
                     &spread.shortTerm,     &spread.longTerm, &spread.otherSources};
  for (const auto& row : rows) {
    const auto head = row.integer("head", 0);
    if (head >= 1 && head <= 6) *byHead[head - 1] += row.money("amount").value_or(Money());
  }
  in.depreciationSpread = spread;
}

const heads::YearInputPartRegistration registered{"unabsorbed depreciation set-off", &loadDepreciationSpread};

}  // namespace
}  // namespace meridian::suite::computation
