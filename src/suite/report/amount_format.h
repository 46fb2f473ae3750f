#pragma once
// Amounts as the reports print them: fixed decimals and Indian digit grouping
// (12,34,567.00). Values are kept as scaled integers so no binary floating
// point rounding reaches a printed figure.
#include <optional>
#include <string>
#include <string_view>

namespace meridian::suite::report {

// A decimal number held as units of 1/10,000.
struct FixedDecimal {
  static constexpr int scaleDigits = 4;
  static constexpr long long scale = 10'000;
  long long units = 0;
};

// Reads "1234567.5", "-12,34,567.00", " 42 "; nothing for text that is not a
// number. Digits beyond the fourth decimal round half to even.
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
