#pragma once
// Working back from a desired total tax to the income at normal rates that
// yields it, the other incomes staying as entered.
#include "forms/estimator/aggregation.h"
#include "forms/estimator/estimate_types.h"
#include "forms/estimator/tax_computation.h"

namespace meridian::forms::estimator {

inline constexpr const char* kRequiredIncomeHigher =
    "Required Income can not be calculated as other incomes already higher side !";
inline constexpr const char* kRequiredIncomeLower =
    "Required Income can not be calculated as other incomes already lower side !";
inline constexpr const char* kRequiredIncomeFailed = "Failed!!!";

// The largest income searched: twelve digits, as the form's amount fields hold.
inline constexpr Rupees kRequiredIncomeCeiling = 999'999'999'999;

// The largest income at normal rates (taxable, after Chapter VI-A) whose total
// tax does not exceed `desiredTax`. Total tax rises with that income, so the
// answer is found by bisection to the rupee. The search is taken as settled
// when the tax there falls short of the desired tax by no more than the rise
// one ten-rupee step of income can cause where the tax climbs fastest (marginal
// relief, rupee for rupee, plus cess and the rounding of each figure); a larger
// gap means the desired tax lies in a jump of the tax, such as the one where the
// rebate u/s 87A ends, and no income gives it.
RequiredIncome requiredIncome(const TaxCase& c, const Incomes& unrounded, Rupees bookProfit, Rupees desiredTax);

// Total tax as a function of the income at normal rates (exposed for checks).
Rupees totalTaxAtNormalIncome(const TaxCase& c, const Incomes& unrounded, Rupees bookProfit, Rupees normal);

}  // namespace meridian::forms::estimator
