#pragma once
// The sheet a report is printed on and how its character grid maps to it.
#include "suite/report/text_style.h"

namespace meridian::suite::report {

// A report is laid out in lines and character columns at normal pitch. Both
// page sizes are A4 with half-inch margins:
// - narrow: portrait, 80 columns, 66 lines (the 10 cpi / 6 lpi printer page);
// - wide:   landscape, 132 columns, 44 lines at the same line height, so a
//           wide report stays as readable as a narrow one.
// Smaller pitches fit more characters into the same width (96 at 12 cpi,
// about 137 condensed on a narrow page).
struct PageGeometry {
  int columns = 80;
  int linesPerPage = 66;
  double pageWidthPt = 595.276;
  double pageHeightPt = 841.89;
  double marginPt = 36.0;

  static PageGeometry narrow();
  static PageGeometry wide();

  double printableWidthPt() const { return pageWidthPt - 2 * marginPt; }
  double lineHeightPt() const { return (pageHeightPt - 2 * marginPt) / linesPerPage; }
  // Advance of one character of the style, in points.
  double charWidthPt(const TextStyle& style) const;
  // Courier glyph size that gives that advance (Courier's advance is 0.6 em).
  double fontSizePt(const TextStyle& style) const;
  // How many characters of the style fit across the printable width.
  int columnsFor(const TextStyle& style) const;
};

}  // namespace meridian::suite::report
