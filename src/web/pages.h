#pragma once
// The page templates (shipped under web/templates) filled with values.
#include <map>
#include <string>

namespace meridian::web {

// Renders web/templates/<name>.mustache; values are escaped unless the
// template uses triple braces.
std::string renderPage(const std::string& name, const std::map<std::string, std::string>& values);

}  // namespace meridian::web
