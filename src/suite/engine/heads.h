#pragma once
// The five heads of income, each computed from its inputs alone.
#include <vector>

#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

// Salaries (ss.15 to 17): each employer's salary less exempt allowances and
// the deductions of s.16.
SalaryFigures salaryOf(const SalaryInput& in, const YearLaw& law);

// House property (ss.22 to 27): each house in the client's share; the interest
// of self-occupied houses is capped together (s.24(b) provisos).
std::vector<HouseFigures> housesOf(const std::vector<HouseInput>& in, const YearLaw& law);

// Profits and gains of business or profession, presumptive income included
// (ss.28, 44AD, 44ADA, 44AE).
BusinessFigures businessOf(const YearInput& in, const YearLaw& law);

// Capital gains by rate, with losses of the year set off within the head (s.70).
CapitalGainFigures capitalGainsOf(const CapitalGainsInput& in);

// Other sources (s.56), family pension less s.57(iia), and income clubbed with
// the client's (ss.60 to 64, s.10(32)).
OtherSourceFigures otherSourcesOf(const YearInput& in, const YearLaw& law);

}  // namespace meridian::engine
