#include "host/xml_values.h"

#include <utility>

#include "common/dates.h"

namespace meridian::host {
namespace {

// The code point starting at text[at] and its length in bytes; length 0 when
// the bytes there are no well-formed UTF-8.
std::pair<char32_t, size_t> decodeAt(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  const size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || at + length > text.size()) return {0, 0};
  char32_t cp = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return {0, 0};
    cp = (cp << 6) | (byte(at + i) & 0x3F);
  }
  const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
  return {cp, length};
}

bool allowedInXml(char32_t cp) { return cp >= 0x20 && cp != 0xFFFE && cp != 0xFFFF; }

}  // namespace

std::string XmlTextOut(std::string_view text) {
  std::string out;
  bool blankPending = false;
  for (size_t at = 0; at < text.size();) {
    const auto [cp, length] = decodeAt(text, at);
    const bool malformed = length == 0;
    const std::string_view piece = malformed ? std::string_view("?") : text.substr(at, length);
    at += malformed ? 1 : length;
    if (!malformed && (cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r')) {
      blankPending = !out.empty();
      continue;
    }
    if (!malformed && !allowedInXml(cp)) continue;
    if (blankPending) out.push_back(' ');
    blankPending = false;
    out.append(piece);
  }
  return out;
}

std::string XmlDateOut(std::string_view ddmmyyyy) {
  const std::string text(ddmmyyyy);
  if (text.size() != 10) return "";
  const auto date = parseDmy(text);
  return date ? formatIso(*date) : "";
}

}  // namespace meridian::host
