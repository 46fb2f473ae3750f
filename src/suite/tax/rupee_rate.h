#pragma once
// A rate applied to an amount and rounded straight to the rupee, half to even:
// every figure of tax (each slab slice, each special-rate tax, surcharge, cess,
// interest) is worked this way, by the computation of returns and the
// estimator alike.
#include "common/money.h"
#include "suite/year_params/param_values.h"

namespace meridian::tax {

using params::BasisPoints;

// amount x rate / 100 %, rounded once to the whole rupee (no rounding to the
// paisa first, which could carry 1.495 to 1.50 and then to 2).
Money rupeesAtRate(Money amount, BasisPoints rate);

// Whole-rupee amounts as the shipped data writes them.
inline Money rupees(params::Amount r) { return Money::rupees(r); }

}  // namespace meridian::tax
