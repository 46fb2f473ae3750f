#pragma once
// Minimum alternate tax of companies on book profit (s.115JB) and alternate
// minimum tax of other persons on adjusted total income (s.115JC), with the
// credit of either brought forward, used and carried (ss.115JAA, 115JD).
#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

// `regular` is the tax on total income after rebate, with surcharge and cess;
// `partC` the deductions of Part C of Chapter VI-A allowed (80P excepted).
AlternateTaxFigures alternateTax(const YearInput& in, const YearLaw& law, Money totalIncome, Money partC,
                                 Money regular);

}  // namespace meridian::engine
