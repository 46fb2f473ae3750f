#pragma once
// The line a page-number field prints as once the page count is known.
#include <string>

#include "suite/report/page_geometry.h"
#include "suite/report/report_document.h"

namespace meridian::suite::report {

// "3" or "Page 3 of 5", with `before` and `after` set off by one space
// ("-", "-" give "- 3 -").
std::string pageNumberText(const PageNumberField& field, int page, int pageCount);

// That text aligned left, centred or right across the page's width in the
// field's own pitch.
Line pageNumberLine(const PageNumberField& field, int page, int pageCount, const PageGeometry& geometry);

}  // namespace meridian::suite::report
