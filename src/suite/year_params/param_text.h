#pragma once
// Reading the parameter files of data/params/. One change a line, fields
// separated by '|':
//
//   parameter | from A.Y. | value | source | note
//
// '#' starts a comment line. Values by shape: a whole number; "yes"/"no";
// a scale "250000:0 500000:1000 1000000:2000 *:3000" (income up to : rate,
// '*' the open top); surcharge bands "10000000:1000 100000000:1500" (income
// above : rate) or "none"; instalments "1500/1200/3 4500/3600/3 ..."
// (cumulative / no interest from / months). Rates in basis points.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "suite/year_params/param_catalogue.h"
#include "suite/year_params/param_values.h"

namespace meridian::params {

struct TextRow {
  std::string where;  // "file:line", for messages
  std::string key, from, value, source, note;
};

// The rows of one file; a line with a wrong number of fields adds a fault.
std::vector<TextRow> readRows(std::string_view fileName, std::string_view text, std::vector<std::string>& faults);

// "2016-17" to 2016; nothing for any other text (the second part must follow the first).
std::optional<int> yearFromText(std::string_view text);

// The value of a text for a shape, or nothing with the reason in `why`.
std::optional<Value> parseValue(Kind kind, std::string_view text, std::string& why);

}  // namespace meridian::params
