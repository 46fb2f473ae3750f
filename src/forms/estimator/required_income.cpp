#include "forms/estimator/required_income.h"

namespace meridian::forms::estimator {
namespace {
// Ten rupees of income at a marginal rate of 100 % (marginal relief) with 3 %
// cess is 10.30; each of the three rounded figures may add half a rupee more.
constexpr Rupees kSettleGap = 12;
}  // namespace

Rupees totalTaxAtNormalIncome(const TaxCase& c, const Incomes& unrounded, Rupees bookProfit, Rupees normal) {
  return computeTax(c, withNormalIncome(unrounded, normal), bookProfit).totalTax;
}

RequiredIncome requiredIncome(const TaxCase& c, const Incomes& unrounded, Rupees bookProfit, Rupees desiredTax) {
  auto f = [&](Rupees normal) { return totalTaxAtNormalIncome(c, unrounded, bookProfit, normal); };
  if (f(0) > desiredTax) return {std::nullopt, kRequiredIncomeHigher};
  if (f(kRequiredIncomeCeiling) < desiredTax) return {std::nullopt, kRequiredIncomeLower};
  // Invariant: f(lo) <= desired; f(hi) > desired, or hi is the ceiling.
  Rupees lo = 0, hi = kRequiredIncomeCeiling;
  if (f(hi) <= desiredTax) lo = hi;
  while (hi - lo > 1) {
    const Rupees mid = lo + (hi - lo) / 2;
    if (f(mid) <= desiredTax)
      lo = mid;
    else
      hi = mid;
  }
  if (desiredTax - f(lo) > kSettleGap) return {std::nullopt, kRequiredIncomeFailed};
  return {lo, ""};
}

}  // namespace meridian::forms::estimator
