#pragma once
// Minimum alternate tax of companies on book profit (s.115JB) and alternate
// minimum tax of other persons on adjusted total income (s.115JC), with the
// credit of either brought forward, used and carried (ss.115JAA, 115JD).
#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

// `regular` is the tax on total income after rebate, with surcharge and cess;
// `addedBack` what s.115JC(2) adds back to the total income: the deductions
// of Part C of Chapter VI-A allowed (80P excepted) and the deduction u/s 10AA
// (clause (b), from A.Y. 2012-13, before every year computed). Claiming
// either is what brings a person other than a company to AMT (s.115JEE(1)).
AlternateTaxFigures alternateTax(const YearInput& in, const YearLaw& law, Money totalIncome, Money addedBack,
                                 Money regular);

}  // namespace meridian::engine
