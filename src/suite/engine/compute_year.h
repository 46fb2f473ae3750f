#pragma once
// The computation of one client year, in the law's order: heads of income,
// set-off of losses, gross total income, Chapter VI-A, total income, tax,
// MAT or AMT with credit, relief, interest, taxes paid and the balance. Pure:
// it reads nothing but its input and the year's law.
#include <stdexcept>

#include "suite/engine/year_input.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

// The input names a year outside those computed, or is otherwise unusable.
struct CannotCompute : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

YearResult computeYear(const YearInput& in);

// The computation up to the net tax (after credit and relief), without taxes
// paid, interest or the balance.
YearResult netTaxOf(const YearInput& in);

}  // namespace meridian::engine
