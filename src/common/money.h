#pragma once
// Amounts of money: whole paise in a 64-bit integer, never binary floating
// point. Rounding to the rupee is half to even unless a rule says otherwise;
// total income and tax are rounded off to tens as ss. 288A and 288B say.
// Shown with Indian digit grouping (12,34,567.00).
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace meridian {

class Money {
 public:
  constexpr Money() = default;
  static constexpr Money paise(std::int64_t p) { return Money(p); }
  static constexpr Money rupees(std::int64_t r) { return Money(r * 100); }

  // Reads an amount as typed or stored: "1234", "-1,23,456.5", "+12.25",
  // " 42 ". Commas before the point are grouping and are skipped; more than
  // two decimals round half to even to the paisa. Nothing for text that is
  // no amount, or an amount beyond ten lakh crore crore rupees.
  static std::optional<Money> parse(std::string_view text);

  constexpr std::int64_t inPaise() const { return paise_; }
  constexpr bool isZero() const { return paise_ == 0; }
  constexpr bool isNegative() const { return paise_ < 0; }

  // To the nearest rupee, half to even: 2.50 -> 2, 3.50 -> 4.
  Money roundedToRupee() const;
  // The same in whole rupees, for columns that hold rupees.
  std::int64_t wholeRupees() const { return roundedToRupee().paise_ / 100; }
  // To the nearest multiple of ten rupees as s. 288A (total income) and
  // s. 288B (tax) say: the paise are ignored, then a last digit of five or
  // more goes up and less than five goes down. A negative amount (a loss)
  // is rounded by its size.
  Money roundedOffToTens() const;
  // This amount times a rate in basis points (1850 = 18.5 %), rounded half to
  // even to the paisa.
  Money atRate(int basisPoints) const;

  // "-1234.50": two decimals, no grouping (for files and JSON).
  std::string text() const;
  // "1235": whole rupees, half to even, no grouping.
  std::string rupeesText() const;
  // "12,34,567.50" and "12,34,568": as amounts are shown.
  std::string grouped() const;
  std::string groupedRupees() const;

  constexpr Money operator-() const { return Money(-paise_); }
  constexpr Money operator+(Money o) const { return Money(paise_ + o.paise_); }
  constexpr Money operator-(Money o) const { return Money(paise_ - o.paise_); }
  constexpr Money operator*(std::int64_t n) const { return Money(paise_ * n); }
  constexpr Money& operator+=(Money o) { paise_ += o.paise_; return *this; }
  constexpr Money& operator-=(Money o) { paise_ -= o.paise_; return *this; }
  constexpr auto operator<=>(const Money&) const = default;

 private:
  constexpr explicit Money(std::int64_t p) : paise_(p) {}
  std::int64_t paise_ = 0;
};

// Digits grouped the Indian way: the last three, then pairs ("1234567" ->
// "12,34,567"). The text is digits only, without sign or decimals.
std::string groupIndianDigits(std::string_view digits);

}  // namespace meridian
