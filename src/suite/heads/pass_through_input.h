#pragma once
// Income passed through by business trusts and investment funds (Schedule
// PTI) as the computation takes it.
#include <string>

#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

// Adds one row of the schedule by its stored head (HP, STCG, LTCG, OS, EX);
// false for a head it does not know, which adds nothing.
bool addPassedThrough(const std::string& head, Money amount, engine::PassThroughIncome& out);

}  // namespace meridian::suite::heads
