#pragma once
// The root start tag and form element of an e-return: which namespaces the
// root declares depends on the assessment year and the form.
#include <string>
#include <string_view>
#include <vector>

namespace meridian::itr::efile {

struct XmlAttribute {
  std::string name, value;
};

// The root's attributes in the order they are written; throws
// std::invalid_argument for a year before the first e-return layout (2013).
std::vector<XmlAttribute> rootAttributes(int year, std::string_view formCode);

// "ITR-1" -> "ITR1FORM", the form's own namespace prefix.
std::string formPrefix(std::string_view formCode);
// "ITR-1" -> "ITR1FORM:ITR1", the form element inside the root.
std::string formElementName(std::string_view formCode);

}  // namespace meridian::itr::efile
