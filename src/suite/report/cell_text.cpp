#include "suite/report/cell_text.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "suite/report/amount_format.h"

namespace meridian::suite::report {
namespace {

std::string shortestText(double value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc{} ? std::string(buffer, end) : std::string();
}

std::string plainText(const host::ReportValue& value) {
  if (auto* text = std::get_if<std::string>(&value)) return *text;
  if (auto* whole = std::get_if<long long>(&value)) return std::to_string(*whole);
  if (auto* real = std::get_if<double>(&value)) return shortestText(*real);
  if (auto* flag = std::get_if<bool>(&value)) return *flag ? "Yes" : "No";
  if (auto* amount = std::get_if<Money>(&value)) return amount->text();
  return {};
}

std::optional<FixedDecimal> asDecimal(const host::ReportValue& value) {
  // Larger figures would overflow units of 1/10,000; they print as given.
  constexpr long long limit = 900'000'000'000'000LL;
  if (auto* text = std::get_if<std::string>(&value)) return parseDecimal(*text);
  if (auto* amount = std::get_if<Money>(&value)) {
    if (amount->inPaise() > limit || amount->inPaise() < -limit) return std::nullopt;
    return FixedDecimal::fromUnits(amount->inPaise() * (FixedDecimal::scale / 100));
  }
  if (auto* whole = std::get_if<long long>(&value)) {
    if (*whole > limit || *whole < -limit) return std::nullopt;
    return FixedDecimal::fromUnits(*whole * FixedDecimal::scale);
  }
  if (auto* real = std::get_if<double>(&value)) {
    if (!std::isfinite(*real) || std::fabs(*real) > static_cast<double>(limit)) return std::nullopt;
    // A double arrives from callers that computed in floating point; it is
    // fixed to 1/10,000 here, once, before any decimal rounding.
    return FixedDecimal::fromUnits(std::llround(*real * FixedDecimal::scale));
  }
  return std::nullopt;
}

}  // namespace

bool isNumericKind(std::string_view kind) { return kind == "N" || kind == "A" || kind == "D"; }

std::string formatCellValue(const host::ReportValue& value, std::string_view kind, std::string_view format) {
  if (kind == "A" || kind == "N") {
    std::optional<NumberFormat> numberFormat = parseNumberFormat(format);
    if (!numberFormat && kind == "A") numberFormat = NumberFormat{};
    if (numberFormat)
      if (std::optional<FixedDecimal> number = asDecimal(value)) return formatDecimal(*number, *numberFormat);
  }
  return plainText(value);
}

}  // namespace meridian::suite::report
