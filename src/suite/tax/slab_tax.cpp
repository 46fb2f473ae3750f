#include "suite/tax/slab_tax.h"

#include <algorithm>

#include "suite/tax/rupee_rate.h"

namespace meridian::tax {

std::vector<ScaleSlice> scaleSlices(Money income, const params::Scale& scale) {
  std::vector<ScaleSlice> slices;
  Money from;
  for (const auto& step : scale) {
    const Money to = step.open ? income : std::min(income, rupees(step.upTo));
    if (to > from)
      slices.push_back({from, step.open ? Money() : rupees(step.upTo), step.open, to - from, step.rate,
                        rupeesAtRate(to - from, step.rate)});
    if (step.open || income <= rupees(step.upTo)) break;
    from = rupees(step.upTo);
  }
  return slices;
}

Money scaleTax(Money income, const params::Scale& scale) {
  Money tax;
  for (const auto& slice : scaleSlices(income, scale)) tax += slice.tax;
  return tax;
}

Money slabTaxWithAgriculture(Money normalIncome, Money agricultural, Money floor, const params::Scale& scale) {
  const Money limit = rupees(params::exemptionLimit(scale));
  if (agricultural <= floor || normalIncome <= limit) return scaleTax(normalIncome, scale);
  return scaleTax(normalIncome + agricultural, scale) - scaleTax(limit + agricultural, scale);
}

}  // namespace meridian::tax
