#pragma once
// `meridian compute --json`: one JSON object describing a client year on
// `in`, one object of its computed figures on `out`, by the same code the
// screens use.
#include <iosfwd>

#include <nlohmann/json.hpp>

#include "suite/engine/year_result.h"

namespace meridian::engine {

// The figures in whole rupees under the command's keys.
nlohmann::ordered_json resultJson(const YearResult& r);

// 0, or 2 after one line on `err` for input it refuses (bad JSON, an unknown
// key, a wrong type, a year not computed); 1 for any other failure.
int runComputeJson(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace meridian::engine
