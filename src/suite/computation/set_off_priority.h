#pragma once
// The order in which each loss of the year is set off against the other
// heads, as the settings screen's panel "Current Year Losses Adjustment
// Priority" edits it and cylatbl.priorities keeps it:
//   "HP:SAL,BUS,STCG,LTCG,OS,CLUB;BUS:HP,STCG,LTCG,OS,CLUB,SAL;OS:SAL,HP,BUS,STCG,LTCG,CLUB"
// one group per loss, the heads in the order chosen.
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
  // Per loss, every head but the loss's own, first to be met first.
  std::array<std::vector<TargetHead>, kYearLosses> order;
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

engine::SetOffPriority toEngine(const Priorities& p);

}  // namespace meridian::suite::computation
