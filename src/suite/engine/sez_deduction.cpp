#include "suite/engine/sez_deduction.h"

#include <algorithm>

namespace meridian::engine {
namespace {

// a x b / c in paise, to the nearest paisa, half to even.
Money proportion(Money a, Money b, Money c) {
  const __int128 num = static_cast<__int128>(a.inPaise()) * b.inPaise();
  const __int128 den = c.inPaise();
  __int128 q = num / den;
  const __int128 r = num % den;
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return Money::paise(static_cast<std::int64_t>(q));
}

}  // namespace

ExportDeductionLine exportDeductionOf(const ExportUnit& unit, int year, const ExportDeductionRules& rules) {
  ExportDeductionLine line;
  line.section = unit.section;
  if (unit.firstYear <= 0 || unit.firstYear > year) return line;
  line.unitYear = year - unit.firstYear + 1;
  // s.10AA(7): the profit from export is the undertaking's profit in the
  // share its export turnover bears to its total turnover.
  if (unit.profit > Money() && unit.totalTurnover > Money()) {
    const Money exported = std::min(unit.exportTurnover, unit.totalTurnover);
    line.exportProfit = proportion(unit.profit, exported, unit.totalTurnover).roundedToRupee();
  }
  if (const auto last = rules.lastYear(unit.section); last && year > *last) return line;
  const auto period = rules.periodOf(unit.section, line.unitYear);
  if (!period) return line;
  line.entitled = line.exportProfit.atRate(period->percent * 100).roundedToRupee();
  if (period->limitedToReserve) line.entitled = std::min(line.entitled, std::max(Money(), unit.reserve.roundedToRupee()));
  line.allowed = unit.claimed > Money() ? std::min(line.entitled, unit.claimed.roundedToRupee()) : line.entitled;
  return line;
}

Money ExportDeductions::of(ExportSection section) const {
  Money m;
  for (const auto& l : lines)
    if (l.section == section) m += l.allowed;
  return m;
}

ExportDeductions exportDeductions(const std::vector<ExportUnit>& units, int year, Money businessIncomeLeft,
                                  const ExportDeductionRules& rules) {
  ExportDeductions out;
  Money room = std::max(Money(), businessIncomeLeft);
  for (const ExportUnit& u : units) {
    ExportDeductionLine line = exportDeductionOf(u, year, rules);
    line.allowed = std::min(line.allowed, room);
    room -= line.allowed;
    out.total += line.allowed;
    out.lines.push_back(line);
  }
  return out;
}

}  // namespace meridian::engine
