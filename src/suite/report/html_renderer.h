#pragma once
// The browser preview of a report: one element per page, lines in a
// monospace font, styles as <b>/<i>/<u> and pitch as font size. The page
// around it (with the Print button) embeds this fragment and the style
// sheet below.
#include <string>
#include <string_view>

#include "suite/report/paged_report.h"

namespace meridian::suite::report {

// One <div class="page"> per report page, each holding exactly the page's
// number of line elements (header, body, blank filler, footer), so the
// footer sits at the bottom of every sheet. All text is HTML-escaped.
std::string renderHtmlPages(const PagedReport& report);

// The style sheet the pages need: sizes chosen so one page fits one printed
// A4 sheet (landscape for wide reports), with a page break after each.
const std::string& reportPagesCss();

// Escapes the five characters that could end text and start markup.
std::string escapeHtml(std::string_view text);

}  // namespace meridian::suite::report
