#pragma once
// `meridian estimate --json`: one JSON object of inputs on `in`, one of results
// on `out`, computed by the same code as the tax estimator screen.
#include <functional>
#include <iosfwd>
#include <optional>

#include "forms/estimator/estimate_types.h"

namespace meridian::forms::estimator {

// The instalment due dates a practice stored for an A.Y., or nothing when it
// keeps the statutory ones (or no practice is at hand).
using StoredDueDates = std::function<std::optional<InstalmentDates>(int year)>;

// Returns 0, or non-zero after writing one line to `err` for input it refuses:
// malformed JSON, an unknown key or status, an A.Y. outside the form's list, a
// negative or non-numeric amount, a date that is not dd/mm/yyyy.
// Amounts with paise are rounded to the rupee, half to even. The instalment due
// dates are, in order of precedence: the input's "due_dates" (four dd/mm/yyyy
// texts inside the financial year before the A.Y.), the dates the practice
// stored (`stored`), the statutory 15/06, 15/09, 15/12 and 15/03.
int runEstimateJson(std::istream& in, std::ostream& out, std::ostream& err, const StoredDueDates& stored = {});

}  // namespace meridian::forms::estimator
