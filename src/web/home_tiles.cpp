#include "web/home_tiles.h"

#include "host/screen_registry.h"
#include "web/html.h"

namespace meridian::web {

std::string homeTiles(const std::function<bool(int right)>& mayOpen) {
  std::string out;
  for (const auto& [screen, tile] : host::ScreenRegistry::instance().tiles()) {
    if (!mayOpen(screen->right)) continue;
    out += "<button type=\"button\" class=\"tile\" data-open=\"" + escapeHtml(screen->name) + "\" data-mode=\"" +
           std::to_string(tile->mode) + "\" id=\"" + escapeHtml(tile->id) + "\">" + escapeHtml(tile->caption);
    if (!tile->note.empty()) out += "<small>" + escapeHtml(tile->note) + "</small>";
    out += "</button>\n";
  }
  return out;
}

}  // namespace meridian::web
