#pragma once
// The capital gains of the year as the computation reads them (YearInput's
// `capitalGains`): each transfer's taxable gain, after its exemptions, added
// to the rate class it is taxed in; a gain exempt u/s 10(38) stays out, a
// loss goes in as a loss for the head to set off.
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"
#include "suite/heads/capital_gain_rules.h"

namespace meridian::suite::heads {

void addTransfers(const std::vector<Transfer>& transfers, const Transferor& who, const CostInflationIndex& cii,
                  engine::CapitalGainsInput& out);

// Each transfer's gain also by the period of its date of transfer (`in.arising`),
// for interest u/s 234C.
void addArising(const std::vector<Transfer>& transfers, const Transferor& who, const CostInflationIndex& cii,
                engine::YearInput& in);

// The transfers of a data set's year with their improvements and exemption
// claims, in the screen's order. A row without its dates or kind (which the
// screen never saves) cannot be computed: it is left out and named in `leftOut`.
std::vector<Transfer> readTransfers(db::Connection& conn, const std::string& code, int year,
                                    std::vector<std::string>& leftOut);

// Reads the capital-gain tables into `in.capitalGains` and `in.arising`; `in` holds the year
// and status already; what it had to leave out is told in `notes`.
void loadCapitalGains(db::Connection& conn, const std::string& code, engine::YearInput& in,
                      std::vector<std::string>& notes);

}  // namespace meridian::suite::heads
