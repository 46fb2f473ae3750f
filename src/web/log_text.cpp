#include "web/log_text.h"

#include <cstdio>

namespace meridian::web {

std::string loggable(std::string_view text, size_t longest) {
  std::string out = "\"";
  size_t kept = 0;
  for (unsigned char c : text) {
    if (kept++ == longest) {
      out += "...";
      break;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02x", c);
          out += hex;
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
  }
  return out + "\"";
}

}  // namespace meridian::web
