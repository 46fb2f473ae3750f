#include "web/html.h"

#include <cctype>

#include "suite/report/html_renderer.h"

namespace meridian::web {

std::string escapeHtml(std::string_view text) { return suite::report::escapeHtml(text); }

std::string captionHtml(std::string_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      if (caption[i + 1] == '&') {
        out += "&amp;";
      } else {
        out += "<u>" + escapeHtml(caption.substr(i + 1, 1)) + "</u>";
      }
      ++i;
    } else {
      out += escapeHtml(caption.substr(i, 1));
    }
  }
  return out;
}

char accessKey(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (caption[i + 1] == '&') {
        ++i;
        continue;
      }
      return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
  }
  return 0;
}

}  // namespace meridian::web
