#include "common/money.h"

#include <cstdlib>

namespace meridian {
namespace {

// A whole part above this cannot take one more digit within 64-bit paise.
constexpr std::int64_t kLargestWholeBeforeNextDigit = 9'000'000'000'000'000LL / 100 / 10;

// n / d rounded half to even, for positive d.
std::int64_t divideHalfEven(__int128 n, std::int64_t d) {
  __int128 q = n / d, r = n % d;
  if (r < 0) {
    r += d;
    q -= 1;
  }
  if (2 * r > d || (2 * r == d && q % 2 != 0)) q += 1;
  return static_cast<std::int64_t>(q);
}

std::string withDecimals(std::int64_t paise, bool grouping) {
  const std::uint64_t size = paise < 0 ? 0ULL - static_cast<std::uint64_t>(paise) : static_cast<std::uint64_t>(paise);
  std::string whole = std::to_string(size / 100);
  std::string cents = std::to_string(size % 100);
  if (cents.size() < 2) cents.insert(0, "0");
  return (paise < 0 ? "-" : "") + (grouping ? groupIndianDigits(whole) : whole) + "." + cents;
}

std::string wholeText(std::int64_t rupees, bool grouping) {
  const std::uint64_t size = rupees < 0 ? 0ULL - static_cast<std::uint64_t>(rupees) : static_cast<std::uint64_t>(rupees);
  const std::string digits = std::to_string(size);
  return (rupees < 0 ? "-" : "") + (grouping ? groupIndianDigits(digits) : digits);
}

}  // namespace

std::optional<Money> Money::parse(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int64_t whole = 0;
  __int128 fraction = 0, scale = 1;
  bool sawDigit = false, sawPoint = false, nonZeroBeyond = false;
  for (char c : text) {
    if (c == ',' && !sawPoint && sawDigit) continue;
    if (c == '.' && !sawPoint) {
      sawPoint = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    sawDigit = true;
    if (!sawPoint) {
      if (whole > kLargestWholeBeforeNextDigit) return std::nullopt;
      whole = whole * 10 + (c - '0');
    } else if (scale < 1'000'000'000'000'000'000LL) {
      fraction = fraction * 10 + (c - '0');
      scale *= 10;
    } else {
      // Digits this far out only tell whether an exact half is a bit more.
      nonZeroBeyond = nonZeroBeyond || c != '0';
    }
  }
  if (!sawDigit) return std::nullopt;
  const __int128 hundredths = fraction * 100;
  std::int64_t cents = static_cast<std::int64_t>(hundredths / scale);
  const __int128 rest = hundredths % scale;
  if (2 * rest > scale || (2 * rest == scale && (nonZeroBeyond || cents % 2 != 0))) ++cents;
  const std::int64_t paise = whole * 100 + cents;
  return Money(negative ? -paise : paise);
}

Money Money::roundedToRupee() const { return Money(divideHalfEven(paise_, 100) * 100); }

Money Money::roundedOffToTens() const {
  const std::int64_t size = (paise_ < 0 ? -paise_ : paise_) / 100;  // paise ignored
  const std::int64_t units = size % 10;
  const std::int64_t tens = units >= 5 ? size - units + 10 : size - units;
  return Money::rupees(paise_ < 0 ? -tens : tens);
}

Money Money::atRate(int basisPoints) const {
  return Money(divideHalfEven(static_cast<__int128>(paise_) * basisPoints, 10'000));
}

std::string Money::text() const { return withDecimals(paise_, false); }
std::string Money::grouped() const { return withDecimals(paise_, true); }
std::string Money::rupeesText() const { return wholeText(wholeRupees(), false); }
std::string Money::groupedRupees() const { return wholeText(wholeRupees(), true); }

std::string groupIndianDigits(std::string_view digits) {
  if (digits.size() <= 3) return std::string(digits);
  std::string grouped(digits.substr(digits.size() - 3));
  size_t rest = digits.size() - 3;
  while (rest > 0) {
    const size_t take = rest >= 2 ? 2 : 1;
    grouped = std::string(digits.substr(rest - take, take)) + "," + grouped;
    rest -= take;
  }
  return grouped;
}

}  // namespace meridian
