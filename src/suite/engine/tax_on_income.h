#pragma once
// Tax on total income: normal rates by status, the exemption limit's unused
// part against gains at special rates, agricultural income, special rates,
// rebate u/s 87A, surcharge with marginal relief and the cesses.
#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

// Total income split by the rate each part bears.
struct TaxableParts {
  Money normal, ltcgIndexed, ltcgWithoutIndexation, stcg111a;
  TaxedApart apart;
  Money total() const { return normal + ltcgIndexed + ltcgWithoutIndexation + stcg111a + apart.total(); }
  Money special() const { return total() - normal; }
};

// The parts of total income once `deductions` (which reach only income at
// normal rates) are taken and the whole is rounded to ten (s.288A); the
// rounding falls on the income at normal rates while there is any.
TaxableParts taxableParts(const IncomePots& afterLosses, Money deductions);

// The scale the person is taxed on; empty for a firm or company.
const params::Scale& scaleOf(const YearInput& in, const YearLaw& law, int ageClass);

TaxFigures taxOnTotalIncome(const TaxableParts& parts, const YearInput& in, const YearLaw& law, int ageClass);

const params::SurchargeBands& surchargeBandsOf(Status s, const YearLaw& law);

// Education cess and secondary and higher education cess on tax and surcharge.
void addCesses(Money taxAndSurcharge, const YearLaw& law, Money& educationCess, Money& sheCess);

}  // namespace meridian::engine
