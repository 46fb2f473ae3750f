#pragma once
// Turns a table cell's value into the text printed for it, by the column's
// kind ("T" text, "N" number, "A" amount, "D" date) and number format.
#include <string>
#include <string_view>

#include "host/report_writer.h"

namespace meridian::suite::report {

// Numbers, amounts and dates are never wrapped or cut: a hidden digit would
// change the figure a reader sees.
bool isNumericKind(std::string_view kind);

// Amounts ("A") print with two decimals and Indian grouping unless a format
// is given; numbers ("N") print as given unless a format is given. A value
// that is not a number prints as it stands, whatever the kind.
std::string formatCellValue(const host::ReportValue& value, std::string_view kind, std::string_view format);

}  // namespace meridian::suite::report
