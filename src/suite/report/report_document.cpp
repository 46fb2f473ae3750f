#include "suite/report/report_document.h"

namespace meridian::suite::report {

std::string Line::plainText() const {
  std::string text;
  for (const auto& run : runs) text += run.text;
  return text;
}

std::vector<const SectionItem*> HeaderFooter::itemsForPage(int page) const {
  std::vector<const SectionItem*> items;
  for (const auto& item : at(PageSelector::everyPage)) items.push_back(&item);
  for (const auto& item : at(page == 1 ? PageSelector::firstPageOnly : PageSelector::afterFirstPage))
    items.push_back(&item);
  return items;
}

}  // namespace meridian::suite::report
