#pragma once
// Losses set off: those of the year within and across heads (ss.70, 71), then
// those brought forward in the law's order and limits (ss.71B, 72, 73, 74 and
// 32(2)), with what is carried to the next year.
#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

// `heads` holds each head as computed (a loss negative; capital gains after
// their own losses, which `gains` reports as left over). A return filed after
// its due date carries no loss of the year except from house property (s.80).
SetOffFigures setOffLosses(const IncomePots& heads, const CapitalGainFigures& gains, const YearInput& in,
                           const YearLaw& law, bool filedLate);

// The longest a loss of a kind is carried (0: no limit).
int carryYears(LossKind kind, const YearLaw& law);

}  // namespace meridian::engine
