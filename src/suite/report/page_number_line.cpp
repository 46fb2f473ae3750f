#include "suite/report/page_number_line.h"

#include <algorithm>

#include "suite/report/utf8_text.h"

namespace meridian::suite::report {

std::string pageNumberText(const PageNumberField& field, int page, int pageCount) {
  std::string number = field.style == PageNumberStyle::pageOfTotal
                           ? "Page " + std::to_string(page) + " of " + std::to_string(pageCount)
                           : std::to_string(page);
  std::string text = field.before.empty() ? number : field.before + " " + number;
  return field.after.empty() ? text : text + " " + field.after;
}

Line pageNumberLine(const PageNumberField& field, int page, int pageCount, const PageGeometry& geometry) {
  std::string text = pageNumberText(field, page, pageCount);
  int free = std::max(0, geometry.columnsFor(field.textStyle) - columnCount(text));
  int indent = field.align == PageNumberAlign::right ? free : field.align == PageNumberAlign::centre ? free / 2 : 0;
  TextStyle gapStyle = field.textStyle;
  gapStyle.underline = false;
  Line line;
  if (indent > 0) line.runs.push_back(Run{std::string(static_cast<std::size_t>(indent), ' '), gapStyle});
  line.runs.push_back(Run{std::move(text), field.textStyle});
  return line;
}

}  // namespace meridian::suite::report
