#include "common/text.h"

#include <algorithm>
#include <cctype>

namespace meridian {

std::string trimmed(std::string_view text, std::string_view chars) {
  const size_t b = text.find_first_not_of(chars);
  if (b == std::string_view::npos) return "";
  return std::string(text.substr(b, text.find_last_not_of(chars) - b + 1));
}

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string joinNonBlank(std::initializer_list<std::string_view> parts, std::string_view separator) {
  std::string out;
  for (std::string_view p : parts) {
    const std::string t = trimmed(p, kBlanksAndTabs);
    if (t.empty()) continue;
    if (!out.empty()) out += separator;
    out += t;
  }
  return out;
}

std::string cutToChars(std::string_view text, size_t chars) {
  size_t seen = 0, i = 0;
  for (; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++seen > chars) break;
  return std::string(text.substr(0, i));
}

}  // namespace meridian
