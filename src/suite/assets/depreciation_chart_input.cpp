// The fixed-asset chart in the computation: its depreciation u/s 32 is the
// depreciation the business income takes (in place of what the profit and
// loss account debits, which the business screen adds back), and a block
// sold beyond its value gives a short-term capital gain u/s 50(1).
// Presumptive income already counts depreciation as allowed (ss.44AD(2),
// 44ADA(2), 44AE(3)): with no business kept on accounts, the chart's
// depreciation is not taken, and the notes say so.
#include "db/rows.h"
#include "suite/assets/fixed_asset_chart.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::assets {
namespace {

// A business of the year whose income is computed from its accounts: one
// with no presumptive figures.
// `extra` narrows the businesses further.
bool keepsAccounts(db::Connection& conn, const std::string& dataSet, int year, const std::string& extra = "") {
  for (const auto& r : conn.query(
           "SELECT COUNT(*) AS n FROM income_business b WHERE b.code_no = ? AND b.ass_year = ? AND NOT EXISTS "
           "(SELECT 1 FROM business_44adaf p WHERE p.code_no = b.code_no AND p.ass_year = b.ass_year "
           "AND p.bus_num = b.business_no)" + extra,
           {dataSet, year}))
    return r.integer("n") > 0;
  return false;
}

void takeChart(db::Connection& conn, const heads::YearSource& source, engine::YearInput& in, heads::LoadNotes& notes) {
  const auto items = readChart(conn, source.dataSet, source.year);
  if (items.empty()) return;
  const DepreciationChart chart = depreciationChart(items, source.year);
  if (!chart.depreciation().isZero()) {
    if (keepsAccounts(conn, source.dataSet, source.year)) {
      in.business.depreciationAllowed += chart.depreciation();
      // Rows saved before the business screen had the column read nil.
      if (keepsAccounts(conn, source.dataSet, source.year, " AND COALESCE(b.dep_debited, 0) = 0"))
        notes.push_back("Depreciation of Rs. " + chart.depreciation().groupedRupees() +
                        " on the depreciation chart is deducted from the net profit, and no depreciation debited "
                        "to P&L is entered to add back: check that the net profit is before the books' "
                        "depreciation.");
    } else
      notes.push_back("Depreciation of Rs. " + chart.depreciation().groupedRupees() +
                      " on the depreciation chart is not taken: no business of the year is computed from its "
                      "accounts, and presumptive income counts depreciation as allowed.");
  }
  // s.50(1): the excess of a block's sales over its value and additions is a
  // short-term capital gain, taxed at the normal rates.
  in.capitalGains.stcgOther += chart.shortTermGain();
}

const heads::YearInputPartRegistration registered{"depreciation chart", &takeChart};

}  // namespace
}  // namespace meridian::suite::assets
