#include "suite/report/report_document.h"

#include <algorithm>

namespace meridian::suite::report {

std::string Line::plainText() const {
  std::string text;
  for (const auto& run : runs) text += run.text;
  return text;
}

std::vector<TableRow> Table::headingAtEnd() const {
  auto lastHeading = std::find_if(rows.rbegin(), rows.rend(), [](const TableRow& row) { return row.heading; });
  if (lastHeading == rows.rend()) return continuedHeading;
  auto firstOfRun = std::find_if(lastHeading, rows.rend(), [](const TableRow& row) { return !row.heading; });
  return std::vector<TableRow>(firstOfRun.base(), lastHeading.base());
}

std::vector<const SectionItem*> HeaderFooter::itemsForPage(int page) const {
  std::vector<const SectionItem*> items;
  for (const auto& item : at(PageSelector::everyPage)) items.push_back(&item);
  for (const auto& item : at(page == 1 ? PageSelector::firstPageOnly : PageSelector::afterFirstPage))
    items.push_back(&item);
  return items;
}

}  // namespace meridian::suite::report
