#include "suite/assets/depreciation.h"

#include <algorithm>
#include <stdexcept>

#include "suite/shipped_table.h"

namespace meridian::suite::assets {

AdditionalDepreciationRule additionalDepreciationRule(std::string_view csv, int year) {
  const std::string list = "data/additional_depreciation.csv";
  struct Line {
    int from, to, percent;
    bool balance;
  };
  std::vector<Line> lines;
  int lineNo = 1;
  for (const auto& r : shippedRows(csv, {"from_year", "to_year", "percent", "balance_allowed", "source"}, list)) {
    const std::string where = list + " line " + std::to_string(++lineNo) + ": ";
    Line l{yearField(r[0], where), yearField(r[1], where), 0, yesNoField(r[3], where)};
    try {
      size_t used = 0;
      l.percent = std::stoi(r[2], &used);
      if (used != r[2].size() || l.percent < 1 || l.percent > 100) throw std::invalid_argument("percent");
    } catch (const std::exception&) {
      throw std::runtime_error(where + "\"" + r[2] + "\" is not a whole per cent from 1 to 100");
    }
    if (l.to < l.from) throw std::runtime_error(where + "the last year comes before the first");
    if (r[4].empty()) throw std::runtime_error(where + "every line cites the section it comes from");
    for (const auto& o : lines)
      if (o.from <= l.to && l.from <= o.to) throw std::runtime_error(where + "the years overlap an earlier line");
    lines.push_back(l);
  }
  const auto of = [&lines](int y) -> const Line* {
    for (const auto& l : lines)
      if (y >= l.from && y <= l.to) return &l;
    return nullptr;
  };
  AdditionalDepreciationRule rule;
  if (const Line* l = of(year)) rule = {l->percent, l->balance, false};
  if (const Line* next = of(year + 1)) rule.balanceCarried = rule.percent > 0 && next->balance;
  return rule;
}

AdditionalDepreciationRule additionalDepreciationRule(int year) {
  static const std::string csv = shippedText("data/additional_depreciation.csv");
  return additionalDepreciationRule(csv, year);
}

BlockDepreciation depreciateBlock(BlockDepreciation b, const AdditionalDepreciationRule& rule) {
  Money full = b.openingWdv + b.additionsFull;
  Money half = b.additionsHalf;
  if (b.sales >= full + half || b.ceases) {
    // s.43(6)(c): the value cannot fall below nil; the excess is a gain u/s
    // 50(1). A block that ceases with sales short of its value leaves the
    // shortfall as a loss u/s 50(2). Neither takes depreciation.
    b.shortTermGain = b.sales - (full + half);
    if (!b.ceases && b.shortTermGain.isNegative()) b.shortTermGain = Money();
    b.normal = b.additional = b.additionalBalanceAllowed = b.additionalCarried = b.depreciation = Money();
    b.closingWdv = Money();
    return b;
  }
  full -= b.sales;
  if (full.isNegative()) {
    half += full;
    full = Money();
  }
  // Rates are whole per cent: 100 basis points each, half the rate 50.
  b.normal = (full.atRate(b.ratePercent * 100) + half.atRate(b.ratePercent * 50)).roundedToRupee();
  // s.32(1)(iia) on the cost of the new machinery or plant, never more than
  // the value left after the normal depreciation.
  Money room = full + half - b.normal;
  const auto within = [&room](Money m) {
    m = std::min(std::max(Money(), m), room);
    room -= m;
    return m;
  };
  b.additional = within((b.newPlantFull.atRate(rule.percent * 100) + b.newPlantHalf.atRate(rule.percent * 50))
                            .roundedToRupee());
  b.additionalBalanceAllowed = rule.balanceAllowed ? within(b.additionalBroughtForward.roundedToRupee()) : Money();
  b.additionalCarried = rule.balanceCarried ? b.newPlantHalf.atRate(rule.percent * 50).roundedToRupee() : Money();
  b.depreciation = b.normal + b.additional + b.additionalBalanceAllowed;
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
    if (item.newPlant && item.block == kPlantBlock) {
      it->newPlantFull += item.additionsFull;
      it->newPlantHalf += item.additionsHalf;
    }
    it->additionalBroughtForward += item.additionalBroughtForward;
    it->ceases = it->ceases || item.blockCeases;
    ++it->items;
  }
  std::stable_sort(chart.blocks.begin(), chart.blocks.end(), [&](const BlockDepreciation& a, const BlockDepreciation& b) {
    const auto oa = rules.orderOf(a.block, year), ob = rules.orderOf(b.block, year);
    return oa != ob ? oa < ob : a.ratePercent < b.ratePercent;
  });
  const AdditionalDepreciationRule rule = additionalDepreciationRule(year);
  for (auto& b : chart.blocks) b = depreciateBlock(b, rule);
  return chart;
}

}  // namespace meridian::suite::assets
