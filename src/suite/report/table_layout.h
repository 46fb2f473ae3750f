#pragma once
// Lays a table row out in character columns.
#include <vector>

#include "suite/report/report_document.h"

namespace meridian::suite::report {

// The printed lines of one row. A text cell wider than its column wraps
// onto further lines of the same row; a number, amount or date that does not
// fit widens its cell for this row, with a blank on each side, and pushes
// the following cells right, so no digit is ever hidden or run together. A cell never starts left of where the previous
// one ended. Boxed cells get a Box on the row's first line spanning all of
// the row's lines.
std::vector<Line> layoutTableRow(const TableRow& row);

}  // namespace meridian::suite::report
