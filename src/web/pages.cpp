#include "web/pages.h"

#include <kainjow/mustache.hpp>
#include <stdexcept>

#include "common/embedded_files.h"

namespace meridian::web {

std::string renderPage(const std::string& name, const std::map<std::string, std::string>& values) {
  auto text = embedded::find("web/templates/" + name + ".mustache");
  if (!text) throw std::runtime_error("no page template " + name);
  kainjow::mustache::mustache tmpl{std::string(*text)};
  kainjow::mustache::data data;
  for (const auto& [k, v] : values) data.set(k, v);
  std::string out = tmpl.render(data);
  if (!tmpl.is_valid()) throw std::runtime_error("page template " + name + ": " + tmpl.error_message());
  return out;
}

}  // namespace meridian::web
