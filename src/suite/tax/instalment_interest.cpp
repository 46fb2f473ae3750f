#include "suite/tax/instalment_interest.h"

#include <algorithm>

#include "suite/tax/rupee_rate.h"

namespace meridian::tax {

Money roundedDownForInterest(Money amount, params::Amount unit) {
  if (amount <= Money()) return Money();
  const std::int64_t u = std::max<params::Amount>(1, unit) * 100;
  return Money::paise(amount.inPaise() / u * u);
}

InstalmentInterest instalmentInterest(Money taxDue, Money paidByDate, const params::InstalmentStep& step,
                                      params::BasisPoints monthly, params::Amount rounding) {
  InstalmentInterest out;
  const Money t = std::max(Money(), taxDue);
  out.cumulativeDue = rupeesAtRate(t, step.cumulative);
  const bool charged = step.chargeBelow == 0 || paidByDate < rupeesAtRate(t, step.chargeBelow);
  const Money shortfall = roundedDownForInterest(out.cumulativeDue - paidByDate, rounding);
  if (step.cumulative > 0 && charged && shortfall > Money()) {
    out.interest = rupeesAtRate(shortfall, monthly * step.months);
    out.interestOn = shortfall;
    out.months = step.months;
  }
  return out;
}

}  // namespace meridian::tax
