#pragma once
// Surcharge on income-tax with marginal relief (the surcharge paragraphs of
// Part I of the First Schedule of each year's Finance Act).
#include <functional>

#include "common/money.h"
#include "suite/year_params/param_values.h"

namespace meridian::tax {

// Surcharge on `tax` due on `income`, at the rate of the highest band the
// income passes, cut by marginal relief so that tax and surcharge exceed what
// is due on an income equal to that band's threshold by no more than the
// income above it. `taxAt` gives the tax on an income of a threshold. A band
// above 0 charges every income and has nothing to relieve. Whole rupees.
Money surchargeWithRelief(Money income, Money tax, const params::SurchargeBands& bands,
                          const std::function<Money(Money)>& taxAt);

}  // namespace meridian::tax
