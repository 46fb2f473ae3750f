#include "web/amount_display.h"

#include "suite/report/amount_format.h"

namespace meridian::web {

std::string amountForDisplay(std::string_view text) {
  namespace rep = suite::report;
  size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  size_t digits = 0, decimals = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) point = true;
    else if (c < '0' || c > '9') return std::string(text);
    else (point ? decimals : digits)++;
  }
  // Decimals beyond what the formatter holds would be rounded away: keep such text.
  if (digits == 0 || decimals > static_cast<size_t>(rep::FixedDecimal::scaleDigits)) return std::string(text);
  const auto value = rep::parseDecimal(text);
  if (!value) return std::string(text);
  std::string out = rep::formatDecimal(*value, {static_cast<int>(decimals), true});
  // "12." keeps its point, as the user may still be reading a figure typed so.
  if (point && decimals == 0) out += ".";
  return out;
}

}  // namespace meridian::web
