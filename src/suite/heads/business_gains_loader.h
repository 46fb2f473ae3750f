#pragma once
// The part of a client year's YearInput that comes from the tables of the
// business, presumptive, firm, specified-business, capital-gains and
// agriculture-and-clubbing screens: `business`, `capitalGains`, `agricultural`
// and `clubbed`. The year's loader calls it with `in.year`, `in.status` and
// `in.residence` already set; what it had to leave out is told in `notes`.
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

void loadBusinessGainsAndAgriculture(db::Connection& conn, const std::string& code, engine::YearInput& in,
                                     std::vector<std::string>& notes);

}  // namespace meridian::suite::heads
