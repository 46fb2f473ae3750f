#include "suite/tax/rupee_rate.h"

namespace meridian::tax {

Money rupeesAtRate(Money amount, BasisPoints rate) {
  // paise x basis points over (10000 basis points x 100 paise) gives rupees.
  constexpr std::int64_t kDivisor = 10000 * 100;
  const std::int64_t num = amount.inPaise() * rate;
  std::int64_t q = num / kDivisor;
  std::int64_t r = num % kDivisor;
  if (r < 0) {  // floor division, so that the rounding below is symmetric
    r += kDivisor;
    q -= 1;
  }
  if (2 * r > kDivisor || (2 * r == kDivisor && q % 2 != 0)) q += 1;
  return Money::rupees(q);
}

}  // namespace meridian::tax
