#pragma once
// The capital gains deemed to arise in the year (capital_deemed,
// capital_deemn) as the computation takes them: a deemed short-term gain is
// taxed at the normal rates, a deemed long-term gain at the rate of s.112.
// No cost or indexation is set against either: the amount is the gain.
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

struct DeemedGain {
  bool longTerm = false;
  Money amount;
};

void addDeemedGains(const std::vector<DeemedGain>& gains, engine::CapitalGainsInput& out);

// The rows of both tables for the data set's year.
std::vector<DeemedGain> readDeemedGains(db::Connection& conn, const std::string& code, int year);

}  // namespace meridian::suite::heads
