#pragma once
// The capital gains deemed to arise in the year (capital_deemed,
// capital_deemn) as the computation takes them: a deemed short-term gain is
// taxed at the normal rates, a deemed long-term gain at the rate of s.112.
// No cost or indexation is set against either: the amount is the gain.
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

struct DeemedGain {
  bool longTerm = false;
  Money amount;
  std::optional<CivilDate> arises;  // the date the Act deems it to arise; none: taken as by 15 June
};

void addDeemedGains(const std::vector<DeemedGain>& gains, engine::CapitalGainsInput& out);

// Each dated gain also by the period of its date (`in.arising`), for the
// s.234C proviso (clause (a)).
void addDeemedGainsArising(const std::vector<DeemedGain>& gains, engine::YearInput& in);

// The rows of both tables for the data set's year.
std::vector<DeemedGain> readDeemedGains(db::Connection& conn, const std::string& code, int year);

}  // namespace meridian::suite::heads
