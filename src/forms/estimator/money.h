#pragma once
// Whole-rupee arithmetic for the estimator. The form's inputs and every figure it
// shows are whole rupees, so amounts are held as int64 rupees; a percentage is
// applied exactly on integers and only the result is rounded.
#include <cstdint>

namespace meridian::forms::estimator {

using Rupees = std::int64_t;

// A rate in basis points: 1850 is 18.5 %, 10000 is 100 %.
using BasisPoints = int;

// a * bp / 10000 rounded to the rupee, half to even (the house rule for money).
constexpr Rupees percentOf(Rupees amount, BasisPoints bp) {
  const Rupees num = amount * bp;
  Rupees q = num / 10000;
  Rupees r = num % 10000;
  if (r < 0) {  // floor division, so that the rounding below is symmetric
    r += 10000;
    q -= 1;
  }
  if (2 * r > 10000 || (2 * r == 10000 && (q % 2 != 0))) q += 1;
  return q;
}

// n / d for positive d, rounded to the nearest rupee, half to even.
constexpr Rupees divideRounded(Rupees n, Rupees d) {
  Rupees q = n / d;
  Rupees r = n % d;
  if (r < 0) {
    r += d;
    q -= 1;
  }
  if (2 * r > d || (2 * r == d && (q % 2 != 0))) q += 1;
  return q;
}

// Total income is rounded off to the nearest multiple of ten rupees as s.288A
// requires: a last digit of five or more goes up, less than five goes down.
constexpr Rupees roundedOffToNearest10(Rupees amount) {
  if (amount <= 0) return 0;
  const Rupees units = amount % 10;
  return units >= 5 ? amount - units + 10 : amount - units;
}

}  // namespace meridian::forms::estimator
