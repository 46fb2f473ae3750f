#include "suite/assets/depreciation.h"

#include <algorithm>

namespace meridian::suite::assets {

BlockDepreciation depreciateBlock(BlockDepreciation b) {
  Money full = b.openingWdv + b.additionsFull;
  Money half = b.additionsHalf;
  if (b.sales >= full + half) {
    // s.43(6)(c): the value cannot fall below nil; the excess is a gain u/s 50(1).
    b.shortTermGain = b.sales - (full + half);
    b.depreciation = Money();
    b.closingWdv = Money();
    return b;
  }
  full -= b.sales;
  if (full.isNegative()) {
    half += full;
    full = Money();
  }
  // Rates are whole per cent: 100 basis points each, half the rate 50.
  b.depreciation = (full.atRate(b.ratePercent * 100) + half.atRate(b.ratePercent * 50)).roundedToRupee();
  b.closingWdv = full + half - b.depreciation;
  return b;
}

Money DepreciationChart::depreciation() const {
  Money total;
  for (const auto& b : blocks) total += b.depreciation;
  return total;
}

Money DepreciationChart::shortTermGain() const {
  Money total;
  for (const auto& b : blocks) total += b.shortTermGain;
  return total;
}

DepreciationChart depreciationChart(const std::vector<ChartItem>& items, int year, const DepreciationBlocks& rules) {
  DepreciationChart chart;
  for (const auto& item : items) {
    if (!rules.allowed(item.block, item.ratePercent, year)) {
      chart.outside.push_back(item);
      continue;
    }
    auto it = std::find_if(chart.blocks.begin(), chart.blocks.end(), [&](const BlockDepreciation& b) {
      return b.block == item.block && b.ratePercent == item.ratePercent;
    });
    if (it == chart.blocks.end()) it = chart.blocks.insert(chart.blocks.end(), {item.block, item.ratePercent});
    it->openingWdv += item.openingWdv;
    it->additionsFull += item.additionsFull;
    it->additionsHalf += item.additionsHalf;
    it->sales += item.sales;
    ++it->items;
  }
  std::stable_sort(chart.blocks.begin(), chart.blocks.end(), [&](const BlockDepreciation& a, const BlockDepreciation& b) {
    const auto oa = rules.orderOf(a.block, year), ob = rules.orderOf(b.block, year);
    return oa != ob ? oa < ob : a.ratePercent < b.ratePercent;
  });
  for (auto& b : chart.blocks) b = depreciateBlock(b);
  return chart;
}

}  // namespace meridian::suite::assets
