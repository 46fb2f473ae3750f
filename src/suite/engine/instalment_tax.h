#pragma once
// The tax each advance-tax instalment is worked on for interest u/s 234C.
#include <array>

#include "suite/engine/year_input.h"

namespace meridian::engine {

// Proviso to s.234C(1): a shortfall on account of capital gains or winnings
// (s.2(24)(ix)) that arose after an instalment's date is no shortfall of that
// instalment; from A.Y. 2017-18 also one on account of business income that
// arose for the first time (clause (c), Finance Act, 2016). For each of the
// four dates, the net tax of the year computed as though the income arising
// after it were not there; `netTax` where nothing arose after the date.
std::array<Money, 4> instalmentTaxes(const YearInput& in, Money netTax);

// The period of the return's schedule (0 to 4, see `IncomeArising`) in which
// income arising on `date` falls, for the statutory advance-tax dates of the
// A.Y. beginning in `year`.
std::size_t arisingPeriodOf(const CivilDate& date, int year);

// The year without the income the proviso reaches that arose after the
// instalment date `instalment` (0 to 3), each kind never below nil.
YearInput withoutIncomeArisingAfter(const YearInput& in, std::size_t instalment);

// The tax deducted on the winnings that arose after the instalment date.
Money winningsTdsArisingAfter(const YearInput& in, std::size_t instalment);

}  // namespace meridian::engine
