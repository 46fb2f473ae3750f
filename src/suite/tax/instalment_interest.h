#pragma once
// Interest u/s 234C on one advance-tax due date.
#include "common/money.h"
#include "suite/year_params/param_values.h"

namespace meridian::tax {

struct InstalmentInterest {
  Money cumulativeDue;  // the share of the tax that should have been paid by the date
  Money interest;
  Money interestOn;  // the shortfall interest ran on, rounded down; 0 when none was charged
  int months = 0;    // the months it ran, when charged
};

// `taxDue` is the tax the instalments are worked on (after TDS and TCS);
// `paidByDate` the advance tax paid up to the date. The shortfall is rounded
// down to a multiple of `rounding` (Rule 119A(b)) and bears `monthly` for the
// step's months, unless the payment reaches the step's no-interest share.
InstalmentInterest instalmentInterest(Money taxDue, Money paidByDate, const params::InstalmentStep& step,
                                      params::BasisPoints monthly, params::Amount rounding);

// Rule 119A(b): an amount bearing interest is rounded down to a multiple of
// `unit` rupees, any fraction of it ignored. Never below 0.
Money roundedDownForInterest(Money amount, params::Amount unit);

}  // namespace meridian::tax
