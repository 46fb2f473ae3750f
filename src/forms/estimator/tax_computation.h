#pragma once
// The tax of one year on given incomes: slab or status rate, special rates,
// rebates of Chapter VIII-A, surcharge with marginal relief, cess, and MAT/AMT.
#include <functional>
#include <string>

#include "forms/estimator/aggregation.h"
#include "forms/estimator/estimate_types.h"
#include "forms/estimator/year_rules.h"

namespace meridian::forms::estimator {

// The scale an individual or HUF is taxed on. Age and sex count for
// individuals only: an HUF has neither, and so always takes the general scale.
const Scale& scaleFor(const YearRules& rules, Status status, Sex sex, int ageClass);

// Tax on a progressive scale, each slice rounded to the rupee before adding.
Rupees scaleTax(Rupees income, const Scale& scale);

// Everything the tax of a case depends on besides the incomes.
struct TaxCase {
  const YearRules& rules;
  Status status;
  Sex sex;
  int ageClass;
  const Scale& scale;       // of an individual or HUF
  bool reducedCompanyRate;  // the 29 % option, only where the year has it
};
TaxCase makeTaxCase(const EstimateInput& in, const YearRules& rules, int ageClass);

// Tax on an income wholly at normal rates: the slab scale for individuals and
// HUFs, the co-operative scale, or the flat rate of a firm or company.
Rupees normalRateTax(Rupees income, const TaxCase& c);

// The rebates of Chapter VIII-A the case may claim on `tax`, in the Act's
// order, none above the tax left; `sections` names those given ("87A",
// "88B and 88D").
struct RebateGiven {
  Rupees amount = 0;
  std::string sections;
};
RebateGiven rebates(const TaxCase& c, Rupees totalIncome, Rupees tax);

const SurchargeBands& surchargeBandsFor(const YearRules& rules, Status status);

// Surcharge on `tax` due on `income`, cut by marginal relief so that tax plus
// surcharge exceeds what is due on an income equal to the threshold by no more
// than the income above it. `taxAt` gives the tax on an income at the threshold.
Rupees surcharge(Rupees income, Rupees tax, const SurchargeBands& bands, const std::function<Rupees(Rupees)>& taxAt);

struct TaxFigures {
  Rupees tax = 0;
  RebateGiven rebate;
  Rupees surcharge = 0;
  Rupees educationCess = 0;
  Rupees sheCess = 0;
  Rupees totalTax = 0;
  bool matApplied = false;
};

// Steps from the incomes to the total tax; `bookProfit` is the MAT/AMT base.
TaxFigures computeTax(const TaxCase& c, const Incomes& incomes, Rupees bookProfit);

}  // namespace meridian::forms::estimator
