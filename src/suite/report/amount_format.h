#pragma once
// Amounts as the reports print them: fixed decimals and Indian digit grouping
// (12,34,567.00). Values are kept as scaled integers so no binary floating
// point rounding reaches a printed figure.
#include <optional>
#include <string>
#include <string_view>

namespace meridian::suite::report {

// A decimal number: its magnitude in units of 1/10,000, cut toward zero,
// and its sign (kept apart so -0.00006 still knows it is negative). `tail`
// says what was cut off, so a later rounding to fewer decimals is still
// exact: 0.12500001 rounds to 0.13, not (via 0.1250) to 0.12.
struct FixedDecimal {
  static constexpr int scaleDigits = 4;
  static constexpr long long scale = 10'000;
  enum class Tail { exact, belowHalf, half, aboveHalf };

  unsigned long long units = 0;
  Tail tail = Tail::exact;
  bool negative = false;

  static FixedDecimal fromUnits(long long signedUnits);
};

// Reads "1234567.5", "-12,34,567.00", " 42 "; nothing for text that is not a
// number or is too large to hold.
std::optional<FixedDecimal> parseDecimal(std::string_view text);

struct NumberFormat {
  int decimals = 2;
  bool grouping = true;
};

// Reads a format such as "#,##0.00" (two decimals, grouped) or "0"
// (whole numbers, no grouping). A format with no digit placeholder is not a
// number format and gives nothing.
std::optional<NumberFormat> parseNumberFormat(std::string_view format);

// Rounds half to even to the format's decimals and groups the whole part
// in the Indian way: the last three digits, then pairs.
std::string formatDecimal(FixedDecimal value, NumberFormat format);

}  // namespace meridian::suite::report
