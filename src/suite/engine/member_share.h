#pragma once
// A member's share in the income of an association of persons or body of
// individuals (s.86, the share computed u/s 67A). What the Act does with it
// turns on how the association itself is charged:
// - at the maximum marginal rate or a higher rate (proviso (a)): the share
//   is not included in the member's total income at all;
// - at any other rate, i.e. the normal rates (proviso (b)): the share forms
//   part of total income, but no tax is payable on it, which s.110 gives
//   effect to by a rebate of tax at the average rate on the share;
// - not chargeable to tax (second proviso): the share is chargeable as part
//   of the member's total income like any other income.
#include "suite/engine/year_input.h"

namespace meridian::engine {

struct MemberShareFigures {
  Money exempt;          // proviso (a): outside total income, shown as exempt income
  Money includedRebated; // proviso (b): in total income, its tax rebated u/s 110
  Money includedTaxed;   // second proviso: in total income and taxed
  Money included() const { return includedRebated + includedTaxed; }
};

// The shares sorted by what s.86 does with each, in whole rupees.
MemberShareFigures memberSharesOf(const YearInput& in);

// s.110: the tax on total income at its average rate (s.2(10)) on the share
// in total income on which no tax is payable; never above `tax` itself.
Money rebateAtAverageRate(Money rebated, Money tax, Money totalIncome);

}  // namespace meridian::engine
