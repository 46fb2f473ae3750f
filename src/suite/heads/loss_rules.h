#pragma once
// How long a loss of each head may be carried forward, and whether a late
// return loses it, as the Act says for the years the module computes.
#include <optional>
#include <string>

#include "suite/engine/year_law.h"

namespace meridian::suite::heads {

struct CarryRule {
  int years = 0;          // assessment years after the one it arose in; 0 for no limit
  const char* section;    // the provision that carries it
  bool lostIfLate = true; // s.80: only a loss in a return filed in time is carried
};

// By the part number of the losses table (choices::lossParts); nothing for a
// part the table does not use.
std::optional<CarryRule> carryRuleOf(int part, const engine::YearLaw& law);

}  // namespace meridian::suite::heads
