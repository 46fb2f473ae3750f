// The computation does not take the fixed-asset chart: the business screen
// takes the net profit as the accounts give it, with no line for the
// depreciation allowed in place of the book depreciation. A year whose chart
// holds depreciation, or a gain u/s 50, says so in the computation's notes
// rather than leave the practitioner to think it was counted.
#include "suite/assets/fixed_asset_chart.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::assets {
namespace {

void noteChart(db::Connection& conn, const heads::YearSource& source, engine::YearInput&, heads::LoadNotes& notes) {
  const auto items = readChart(conn, source.dataSet, source.year);
  if (items.empty()) return;
  const DepreciationChart chart = depreciationChart(items, source.year);
  if (!chart.depreciation().isZero())
    notes.push_back("Depreciation of Rs. " + chart.depreciation().groupedRupees() +
                    " on the depreciation chart is not taken into the business income: the net profit is taken as "
                    "entered.");
  if (!chart.shortTermGain().isZero())
    notes.push_back("The short-term capital gain u/s 50 of Rs. " + chart.shortTermGain().groupedRupees() +
                    " on the depreciation chart is not computed yet.");
}

const heads::YearInputPartRegistration registered{"depreciation chart", &noteChart};

}  // namespace
}  // namespace meridian::suite::assets
