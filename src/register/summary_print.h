#pragma once
// The summary grid on paper: a client's code, name and 20 figures do not fit
// one line of even a landscape page, so each client takes two lines in
// condensed print, the first ten figures under the first heading line and
// the other ten under the second. Every column keeps its whole heading.
#include <string>

#include "host/report_writer.h"
#include "ui/control.h"

namespace meridian::reg {

// Writes the grid's rows, in the order shown, as a table under the title.
void printSummaryTable(host::ReportWriter& rep, const ui::Grid& g);

}  // namespace meridian::reg
