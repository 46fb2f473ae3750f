#include "suite/report/amount_format.h"

#include <algorithm>
#include <cctype>

namespace meridian::suite::report {
namespace {

long long powerOfTen(int digits) {
  long long p = 1;
  while (digits-- > 0) p *= 10;
  return p;
}

// Divides by `divisor`, rounding half to even; works for negative values.
long long divideRoundHalfEven(long long value, long long divisor) {
  long long quotient = value / divisor;
  long long remainder = value % divisor;
  long long twice = 2 * (remainder < 0 ? -remainder : remainder);
  if (twice > divisor || (twice == divisor && quotient % 2 != 0)) quotient += value < 0 ? -1 : 1;
  return quotient;
}

std::string groupIndian(std::string digits) {
  if (digits.size() <= 3) return digits;
  std::string grouped = digits.substr(digits.size() - 3);
  std::size_t rest = digits.size() - 3;
  while (rest > 0) {
    std::size_t take = rest >= 2 ? 2 : 1;
    grouped = digits.substr(rest - take, take) + "," + grouped;
    rest -= take;
  }
  return grouped;
}

}  // namespace

std::optional<FixedDecimal> parseDecimal(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long long whole = 0;
  long long fraction = 0;
  int fractionDigits = 0;
  bool sawDigit = false, sawPoint = false, roundUp = false, sticky = false, tieOdd = false;
  for (char c : text) {
    if (c == ',' && !sawPoint) continue;
    if (c == '.' && !sawPoint) {
      sawPoint = true;
      continue;
    }
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    sawDigit = true;
    int digit = c - '0';
    if (!sawPoint) {
      if (whole > (1'000'000'000'000'000LL / FixedDecimal::scale)) return std::nullopt;  // too large to hold
      whole = whole * 10 + digit;
    } else if (fractionDigits < FixedDecimal::scaleDigits) {
      fraction = fraction * 10 + digit;
      ++fractionDigits;
    } else if (fractionDigits == FixedDecimal::scaleDigits) {
      roundUp = digit > 5;
      tieOdd = digit == 5;
      ++fractionDigits;
    } else if (digit != 0) {
      sticky = true;
    }
  }
  if (!sawDigit) return std::nullopt;
  fraction *= powerOfTen(FixedDecimal::scaleDigits - std::min(fractionDigits, FixedDecimal::scaleDigits));
  long long units = whole * FixedDecimal::scale + fraction;
  if (roundUp || (tieOdd && (sticky || units % 2 != 0))) ++units;
  return FixedDecimal{negative ? -units : units};
}

std::optional<NumberFormat> parseNumberFormat(std::string_view format) {
  if (format.find_first_of("0#") == std::string_view::npos) return std::nullopt;
  NumberFormat parsed;
  std::size_t point = format.find('.');
  parsed.grouping = format.substr(0, point).find(',') != std::string_view::npos;
  parsed.decimals = 0;
  if (point != std::string_view::npos)
    for (char c : format.substr(point + 1))
      if (c == '0' || c == '#') ++parsed.decimals;
  return parsed;
}

std::string formatDecimal(FixedDecimal value, NumberFormat format) {
  int kept = std::min(format.decimals, FixedDecimal::scaleDigits);
  long long scaled = divideRoundHalfEven(value.units, powerOfTen(FixedDecimal::scaleDigits - kept));
  bool negative = scaled < 0;
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(scaled) : scaled;
  unsigned long long divisor = static_cast<unsigned long long>(powerOfTen(kept));
  std::string whole = std::to_string(magnitude / divisor);
  std::string text = format.grouping ? groupIndian(whole) : whole;
  if (format.decimals > 0) {
    std::string fraction = std::to_string(magnitude % divisor);
    fraction.insert(0, static_cast<std::size_t>(kept) - fraction.size(), '0');
    fraction.append(static_cast<std::size_t>(format.decimals - kept), '0');
    text += "." + fraction;
  }
  return negative ? "-" + text : text;
}

}  // namespace meridian::suite::report
