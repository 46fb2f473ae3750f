#include "suite/report/page_geometry.h"

#include <cmath>

namespace meridian::suite::report {
namespace {
constexpr double courierAdvancePerPoint = 0.6;
}

PageGeometry PageGeometry::narrow() { return PageGeometry{}; }

PageGeometry PageGeometry::wide() {
  PageGeometry g;
  g.columns = 132;
  g.linesPerPage = 44;
  g.pageWidthPt = 841.89;
  g.pageHeightPt = 595.276;
  return g;
}

double PageGeometry::charWidthPt(const TextStyle& style) const {
  double normal = printableWidthPt() / columns;
  return normal * 10.0 / charactersPerInch(style.pitch) * fontStepScale(style.fontStep);
}

double PageGeometry::fontSizePt(const TextStyle& style) const { return charWidthPt(style) / courierAdvancePerPoint; }

int PageGeometry::columnsFor(const TextStyle& style) const {
  // A hair of tolerance so 80 normal characters count as fitting 80 columns.
  return static_cast<int>(std::floor(printableWidthPt() / charWidthPt(style) + 1e-6));
}

}  // namespace meridian::suite::report
