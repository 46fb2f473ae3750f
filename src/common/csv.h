#pragma once
// Rows of a comma-separated text as shipped data files write them: fields
// may be quoted, a quote inside quotes is doubled, and a quoted field may
// hold commas and line breaks.
#include <string>
#include <string_view>
#include <vector>

namespace meridian {

std::vector<std::vector<std::string>> parseCsv(std::string_view text);

}  // namespace meridian
