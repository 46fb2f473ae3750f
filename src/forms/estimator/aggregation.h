#pragma once
// Step from the amounts typed on the form to the incomes the tax is charged on:
// income at normal rates, the incomes at special rates, agricultural income.
#include "forms/estimator/estimate_types.h"
#include "forms/estimator/year_rules.h"

namespace meridian::forms::estimator {

struct Incomes {
  Rupees normal = 0;    // at the slab or status rate
  Rupees ltcg = 0;      // s.112, 20 %
  Rupees stcg111a = 0;  // s.111A
  Rupees casual = 0;    // s.115BB
  Rupees agricultural = 0;
  Rupees total() const { return normal + ltcg + stcg111a + casual; }
};

// Heads computed, losses set off, Chapter VI-A deducted; not yet rounded.
Incomes aggregateBeforeRounding(const EstimateInput& in, const YearRules& rules);

// Rounds the total income off to tens. The difference is carried by the income
// at normal rates, or by the first special income that can carry it without
// turning negative when there is no income at normal rates to take it.
Incomes roundTotal(Incomes inc);

// aggregateBeforeRounding, then roundTotal.
Incomes aggregate(const EstimateInput& in, const YearRules& rules);

// Puts `normal` as the income at normal rates beside the unrounded special
// incomes and rounds the total (used when solving for the required income).
Incomes withNormalIncome(Incomes unrounded, Rupees normal);

}  // namespace meridian::forms::estimator
