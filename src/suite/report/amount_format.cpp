#include "suite/report/amount_format.h"

#include <algorithm>
#include <cctype>

#include "common/money.h"

namespace meridian::suite::report {
namespace {

// A whole part above this cannot take one more digit and still fit in
// units of 1/10,000.
constexpr long long largestWholeBeforeNextDigit = 90'000'000'000'000LL;

long long powerOfTen(int digits) {
  long long p = 1;
  while (digits-- > 0) p *= 10;
  return p;
}

// Rounds a magnitude cut to `units` (with `tail` cut off below it) to a
// multiple of `divisor`, half to even; returns the quotient.
unsigned long long roundHalfEven(unsigned long long units, FixedDecimal::Tail tail, unsigned long long divisor) {
  using Tail = FixedDecimal::Tail;
  unsigned long long quotient = units / divisor;
  unsigned long long remainder = units % divisor;
  bool up;
  if (divisor == 1) {
    up = tail == Tail::aboveHalf || (tail == Tail::half && quotient % 2 != 0);
  } else {
    unsigned long long half = divisor / 2;
    // Anything cut off below the kept units makes an exact half a bit more.
    up = remainder > half || (remainder == half && (tail != Tail::exact || quotient % 2 != 0));
  }
  return up ? quotient + 1 : quotient;
}

}  // namespace

FixedDecimal FixedDecimal::fromUnits(long long signedUnits) {
  bool negative = signedUnits < 0;
  unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(signedUnits) : static_cast<unsigned long long>(signedUnits);
  return FixedDecimal{magnitude, Tail::exact, negative};
}

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
  int firstCutDigit = -1;
  bool nonZeroAfterFirstCut = false;
  bool sawDigit = false, sawPoint = false;
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
      if (whole > largestWholeBeforeNextDigit) return std::nullopt;
      whole = whole * 10 + digit;
    } else if (fractionDigits < FixedDecimal::scaleDigits) {
      fraction = fraction * 10 + digit;
      ++fractionDigits;
    } else if (firstCutDigit < 0) {
      firstCutDigit = digit;
    } else if (digit != 0) {
      nonZeroAfterFirstCut = true;
    }
  }
  if (!sawDigit) return std::nullopt;
  fraction *= powerOfTen(FixedDecimal::scaleDigits - fractionDigits);
  using Tail = FixedDecimal::Tail;
  Tail tail = Tail::exact;
  if (firstCutDigit > 5 || (firstCutDigit == 5 && nonZeroAfterFirstCut))
    tail = Tail::aboveHalf;
  else if (firstCutDigit == 5)
    tail = Tail::half;
  else if (firstCutDigit > 0 || nonZeroAfterFirstCut)
    tail = Tail::belowHalf;
  return FixedDecimal{static_cast<unsigned long long>(whole * FixedDecimal::scale + fraction), tail, negative};
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
  unsigned long long rounded =
      roundHalfEven(value.units, value.tail, static_cast<unsigned long long>(powerOfTen(FixedDecimal::scaleDigits - kept)));
  unsigned long long divisor = static_cast<unsigned long long>(powerOfTen(kept));
  std::string whole = std::to_string(rounded / divisor);
  std::string text = format.grouping ? groupIndianDigits(whole) : whole;
  if (format.decimals > 0) {
    std::string fraction = std::to_string(rounded % divisor);
    fraction.insert(0, static_cast<std::size_t>(kept) - fraction.size(), '0');
    fraction.append(static_cast<std::size_t>(format.decimals - kept), '0');
    text += "." + fraction;
  }
  // A figure that rounds to zero prints without a sign.
  return value.negative && rounded != 0 ? "-" + text : text;
}

}  // namespace meridian::suite::report
