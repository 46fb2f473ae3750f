#include "suite/engine/member_share.h"

#include <algorithm>

namespace meridian::engine {

MemberShareFigures memberSharesOf(const YearInput& in) {
  MemberShareFigures f;
  for (const auto& s : in.memberShares) {
    const Money share = std::max(Money(), s.share).roundedToRupee();
    switch (s.taxed) {
      case AopTaxed::maximumMarginalRate:
        f.exempt += share;
        break;
      case AopTaxed::normalRates:
        f.includedRebated += share;
        break;
      case AopTaxed::notChargeable:
        f.includedTaxed += share;
        break;
    }
  }
  return f;
}

Money rebateAtAverageRate(Money rebated, Money tax, Money totalIncome) {
  if (rebated <= Money() || tax <= Money() || totalIncome <= Money()) return Money();
  // The share may exceed what is left of total income after losses and
  // deductions; the rebate then takes the whole tax and no more.
  if (rebated >= totalIncome) return tax;
  // tax x share / total income in paise, the quotient rounded half to even
  // to the rupee: whole rupees cannot overflow 64 bits for any real return.
  const __int128 num = static_cast<__int128>(tax.inPaise()) * rebated.inPaise();
  const __int128 den = static_cast<__int128>(totalIncome.inPaise()) * 100;
  __int128 q = num / den;
  const __int128 rem = num % den;
  if (rem * 2 > den || (rem * 2 == den && q % 2 != 0)) ++q;
  return std::min(tax, Money::rupees(static_cast<std::int64_t>(q)));
}

}  // namespace meridian::engine
