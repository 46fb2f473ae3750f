#pragma once
// The order in which each loss of the year is set off against the other
// heads, as the settings screen's panel "Current Year Losses Adjustment
// Priority" edits it and cylatbl.priorities keeps it:
//   "LOSS:HP,BUS,OS;HP:HP,SAL,BUS,OS,CLUB,STCG,LTCG;BUS:BUS,HP,OS,CLUB,STCG,LTCG,SAL;OS:OS,SAL,HP,BUS,CLUB,STCG,LTCG"
// the order in which the losses are adjusted, then one group per loss with
// the seven heads in the order chosen. A loss's own head stands for its
// adjustment within the head, which the law makes first (s.70) wherever it
// stands; text stored before the loss order was kept reads with the default.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "suite/engine/year_input.h"

namespace meridian::suite::computation {

// The heads a loss may meet, in the panel's order.
enum class TargetHead { salary, houseProperty, business, shortTerm, longTerm, otherSources, clubbing };
inline constexpr int kTargetHeads = 7;
const char* targetCaption(TargetHead h);  // "Salary", "Income from House Property" ...

// The losses of the year the panel orders.
enum class YearLoss { houseProperty, business, otherSources };
inline constexpr int kYearLosses = 3;
const char* lossCaption(YearLoss l);  // "House Property Loss" ...

struct Priorities {
  // Per loss, the seven heads, first to be met first.
  std::array<std::vector<TargetHead>, kYearLosses> order;
  // The losses, first to be adjusted first.
  std::array<YearLoss, kYearLosses> losses{YearLoss::houseProperty, YearLoss::business, YearLoss::otherSources};
  bool operator==(const Priorities&) const = default;
};

// The order "&Default" restores: the law's order for each loss, salaries
// first for house property, other heads at normal rates before gains.
Priorities defaultPriorities();
std::string formatPriorities(const Priorities& p);
// Stored text read back; a group that is missing or garbled takes the
// default order, and heads left out of a group follow in the default order.
Priorities parsePriorities(std::string_view text);
// Moves `head` to `rank` (0 first) within the loss's order; the others keep
// their order around it, so each rank is held by one head only.
void placeAt(Priorities& p, YearLoss loss, TargetHead head, int rank);
// Moves a loss to `rank` in the order of adjustment, the others around it.
void placeLossAt(Priorities& p, YearLoss loss, int rank);

engine::SetOffPriority toEngine(const Priorities& p);

}  // namespace meridian::suite::computation
