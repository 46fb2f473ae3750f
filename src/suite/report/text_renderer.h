#pragma once
// A report as plain text, page by page: what a reader sees on the page,
// without the styles. Pages are parted by a line holding a form feed;
// trailing blanks are cut. Used where a report is compared line by line.
#include <string>

#include "suite/report/paged_report.h"

namespace meridian::suite::report {

std::string renderText(const PagedReport& report);

}  // namespace meridian::suite::report
