#pragma once
// The input record of a year read from the JSON of `meridian compute --json`.
// Every key is checked for its type and range; a key the record does not know
// is refused, so a misspelt figure is never silently taken as 0.
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "suite/engine/year_input.h"

namespace meridian::engine {

// One line saying what is wrong with the input.
struct BadYearInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Missing keys mean 0, false or empty.
YearInput yearInputFromJson(const nlohmann::json& o);

}  // namespace meridian::engine
