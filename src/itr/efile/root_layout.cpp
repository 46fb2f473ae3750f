#include "itr/efile/root_layout.h"

#include <algorithm>
#include <stdexcept>

namespace meridian::itr::efile {
namespace {

constexpr std::string_view kNamespaceBase = "http://incometaxindiaefiling.gov.in/";
constexpr std::string_view kXsi = "http://www.w3.org/2001/XMLSchema-instance";

// How the root declares its namespaces, from the first year of each layout
// on. The 2013 schemas kept all individual forms under one main schema, so a
// return then declared every form's prefix and named that schema.
struct RootLayout {
  int fromYear;
  bool everyIndividualForm;
  std::string_view schemaLocation;
};
constexpr RootLayout kRootLayouts[] = {
    {2013, true, "http://incometaxindiaefiling.gov.in/main ITRMain13.xsd"},
    {2014, false, ""},
};
constexpr std::string_view kIndividualForms[] = {"ITR-1", "ITR-2", "ITR-3", "ITR-4", "ITR-4S"};
// Forms whose shared elements live under .../Corpmaster instead of .../master.
constexpr std::string_view kCorporateForms[] = {"ITR-5", "ITR-6"};

std::string formNumber(std::string_view formCode) {
  if (!formCode.starts_with("ITR-") || formCode.size() < 5)
    throw std::invalid_argument("not a return form: \"" + std::string(formCode) + "\"");
  return std::string(formCode.substr(4));
}

std::string ns(std::string_view path) { return std::string(kNamespaceBase) + std::string(path); }

}  // namespace

std::string formPrefix(std::string_view formCode) { return "ITR" + formNumber(formCode) + "FORM"; }

std::string formElementName(std::string_view formCode) { return formPrefix(formCode) + ":ITR" + formNumber(formCode); }

std::vector<XmlAttribute> rootAttributes(int year, std::string_view formCode) {
  const RootLayout* layout = nullptr;
  for (const RootLayout& l : kRootLayouts)
    if (l.fromYear <= year) layout = &l;
  if (!layout) throw std::invalid_argument("no e-return layout for the year " + std::to_string(year));
  std::vector<XmlAttribute> attributes;
  if (layout->everyIndividualForm) {
    attributes.push_back({"xsi:schemaLocation", std::string(layout->schemaLocation)});
    for (std::string_view form : kIndividualForms)
      attributes.push_back({"xmlns:" + formPrefix(form), ns("ITR" + formNumber(form))});
    attributes.push_back({"xmlns:ITRETURN", ns("main")});
    attributes.push_back({"xmlns:ITRForm", ns("master")});
  } else {
    const bool corporate = std::find(std::begin(kCorporateForms), std::end(kCorporateForms), formCode) !=
                           std::end(kCorporateForms);
    attributes.push_back({"xmlns:ITRETURN", ns("main")});
    attributes.push_back({"xmlns:" + formPrefix(formCode), ns("ITR" + formNumber(formCode))});
    attributes.push_back({"xmlns:ITRForm", ns(corporate ? "Corpmaster" : "master")});
  }
  attributes.push_back({"xmlns:xsi", std::string(kXsi)});
  return attributes;
}

}  // namespace meridian::itr::efile
