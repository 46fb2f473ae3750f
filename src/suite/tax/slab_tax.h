#pragma once
// Tax on a progressive scale (Part I of the First Schedule of each year's
// Finance Act), and the partial integration of agricultural income with it.
#include <vector>

#include "common/money.h"
#include "suite/year_params/param_values.h"

namespace meridian::tax {

// One slice of income on the scale: the income from `from` up to `upTo` (to
// the end of the income when `open`), taxed at `rate`, the tax rounded to
// the rupee.
struct ScaleSlice {
  Money from, upTo;
  bool open = false;
  Money income;
  params::BasisPoints rate = 0;
  Money tax;
};

// The slices the income reaches, lowest first; the scale tax is their sum.
std::vector<ScaleSlice> scaleSlices(Money income, const params::Scale& scale);

// Each slice at its rate, rounded to the rupee, then added.
Money scaleTax(Money income, const params::Scale& scale);

// Finance Act of each year, s.2(2): net agricultural income above `floor` joins
// the income at normal rates for the rate only. The tax is the scale tax on both
// together less the scale tax on the exemption limit plus the agricultural
// income. Without such agricultural income, or when the income at normal rates
// does not pass the exemption limit, it is the plain scale tax.
Money slabTaxWithAgriculture(Money normalIncome, Money agricultural, Money floor, const params::Scale& scale);

}  // namespace meridian::tax
