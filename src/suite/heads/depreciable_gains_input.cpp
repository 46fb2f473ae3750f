#include "suite/heads/depreciable_gains_input.h"

#include <algorithm>

#include "common/text.h"
#include "db/rows.h"
#include "suite/assets/fixed_asset_chart.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {
namespace {

// The screen's block is typed, the chart's chosen from the Rules' list: the
// same block may differ in case and spacing.
bool sameBlock(const DepreciableGainRow& row, const assets::BlockDepreciation& block) {
  return row.ratePercent == block.ratePercent && upperCase(trimmed(row.block)) == upperCase(trimmed(block.block));
}

}  // namespace

Money depreciableGainsTaken(const std::vector<DepreciableGainRow>& rows,
                            const std::vector<assets::BlockDepreciation>& chartBlocks, std::vector<std::string>& notes) {
  Money total;
  for (const DepreciableGainRow& row : rows) {
    const Money gain = depreciableAssetGain(row.transfer);
    const auto charted = std::find_if(chartBlocks.begin(), chartBlocks.end(),
                                      [&row](const assets::BlockDepreciation& b) { return sameBlock(row, b); });
    if (charted == chartBlocks.end()) {
      total += gain;
      continue;
    }
    if (charted->shortTermGain != gain)
      notes.push_back("Capital gain u/s 50 on the block \"" + row.block + "\" at " + std::to_string(row.ratePercent) +
                      " % is taken from the depreciation chart (Rs. " + charted->shortTermGain.groupedRupees() +
                      "), not from \"Capital Gain on Depreciable Assets\" (Rs. " + gain.groupedRupees() +
                      "): the chart holds the same block.");
  }
  return total;
}

namespace {

void loadDepreciableGains(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes& notes) {
  std::vector<DepreciableGainRow> rows;
  for (const auto& r : db::selectWhere(conn, "capital_depr", {{"code_no", s.dataSet}, {"ass_year", s.year}}, {"srno"}))
    rows.push_back({r.text("block"), static_cast<int>(r.integer("rate")),
                    {r.money("sale_val").value_or(Money()), r.money("exp_trf").value_or(Money()),
                     r.money("wdv").value_or(Money()), r.text("ceased") == "Y"}});
  if (rows.empty()) return;
  const auto chart = assets::depreciationChart(assets::readChart(conn, s.dataSet, s.year), s.year);
  // s.50: short-term whatever the holding, taxed at the normal rates; taken
  // as arising before the first instalment date, as the table holds no date.
  in.capitalGains.stcgOther += depreciableGainsTaken(rows, chart.blocks, notes);
}

const YearInputPartRegistration registered{"capital gains on depreciable assets", &loadDepreciableGains};

}  // namespace
}  // namespace meridian::suite::heads
