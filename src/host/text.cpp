#include "host/text.h"

#include <algorithm>
#include <cctype>

namespace meridian::host {

std::string trimmed(std::string_view text, std::string_view chars) {
  const size_t b = text.find_first_not_of(chars);
  if (b == std::string_view::npos) return "";
  return std::string(text.substr(b, text.find_last_not_of(chars) - b + 1));
}

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

}  // namespace meridian::host
