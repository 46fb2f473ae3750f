#pragma once
// Which schema an e-return of a form and assessment year is checked against,
// from the shipped list data/schemas/catalogue.csv.
#include <optional>
#include <string>
#include <string_view>

namespace meridian::suite::efile {

// The root schema as a path among the shipped files
// ("data/schemas/ay2014-15/itr1/ITR-1_2014_Main.xsd"), or nothing when no
// schema is kept for that form and year (first calendar year, 2014 for A.Y.
// 2014-15; form "ITR-1", "ITR-4S" ...).
std::optional<std::string> rootSchemaFor(int year, std::string_view formCode);

}  // namespace meridian::suite::efile
