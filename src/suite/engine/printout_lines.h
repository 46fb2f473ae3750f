#pragma once
// The lines of the estimated computation of total income and tax, in the
// printout's order and words; a line whose amount rounds to nothing is left
// out.
#include <string>
#include <vector>

#include "suite/engine/result_context.h"

namespace meridian::engine {

struct PrintoutLine {
  std::string caption;
  Money amount;  // whole rupees
  bool title = false;  // a heading without amount
};

std::vector<PrintoutLine> estimatedComputationLines(const YearResult& r, const ResultContext& c);

}  // namespace meridian::engine
