#pragma once
// The tax of one year on given incomes: slab or status rate, special rates,
// rebate u/s 87A, surcharge with marginal relief, cess, and MAT/AMT.
#include <functional>

#include "forms/estimator/aggregation.h"
#include "forms/estimator/estimate_types.h"
#include "forms/estimator/estimator_rates.h"

namespace meridian::forms::estimator {

struct SlabLimits {
  Rupees exemption = 0;  // E
  Rupees slab2 = 0;      // S2
  Rupees slab3 = 0;      // S3
};

// Limits of the individual/HUF scale. Age and sex count for individuals only:
// an HUF has neither, and so always takes the general limit.
SlabLimits slabLimits(const YearRates& rates, Status status, Sex sex, int ageClass);

// 10 % / 20 % / 30 % by slab, each slice rounded to the rupee before adding.
Rupees slabTax(Rupees income, const SlabLimits& limits);

// Everything the tax of a case depends on besides the incomes.
struct TaxCase {
  const YearRates& rates;
  Status status;
  SlabLimits limits;
  bool reducedCompanyRate;  // the 29 % option, only where the year has it
};
TaxCase makeTaxCase(const EstimateInput& in, const YearRates& rates, int ageClass);

// Tax on an income wholly at normal rates: the slab scale for individuals and
// HUFs, the co-operative scale, or the flat rate of a firm or company.
Rupees normalRateTax(Rupees income, const TaxCase& c);

// Rebate u/s 87A for an individual whose total income is within the limit.
Rupees rebate87A(const YearRates& rates, Status status, Rupees totalIncome, Rupees tax);

const SurchargeScale& surchargeScaleFor(const YearRates& rates, Status status);

// Surcharge on `tax` due on `income`, cut by marginal relief so that tax plus
// surcharge exceeds what is due on an income equal to the threshold by no more
// than the income above it. `taxAt` gives the tax on an income at the threshold.
Rupees surcharge(Rupees income, Rupees tax, const SurchargeScale& scale,
                 const std::function<Rupees(Rupees)>& taxAt);

struct TaxFigures {
  Rupees tax = 0;
  Rupees rebate87A = 0;
  Rupees surcharge = 0;
  Rupees educationCess = 0;
  Rupees sheCess = 0;
  Rupees totalTax = 0;
  bool matApplied = false;
};

// Steps from the incomes to the total tax; `bookProfit` is the MAT/AMT base.
TaxFigures computeTax(const TaxCase& c, const Incomes& incomes, Rupees bookProfit);

}  // namespace meridian::forms::estimator
