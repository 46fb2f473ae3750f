#pragma once
// `meridian estimate --json`: one JSON object of inputs on `in`, one of results
// on `out`, computed by the same code as the tax estimator screen.
#include <iosfwd>

namespace meridian::forms::estimator {

// Returns 0, or non-zero after writing one line to `err` for input it refuses:
// malformed JSON, an unknown key or status, an A.Y. outside the form's list, a
// negative or non-numeric amount, a date that is not dd/mm/yyyy.
// Amounts with paise are rounded to the rupee, half to even. The instalment due
// dates are the default ones (15/06, 15/09, 15/12, 15/03).
int runEstimateJson(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace meridian::forms::estimator
