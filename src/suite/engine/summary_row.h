#pragma once
// The dashboard summary's row of a client year (table adv_n, columns a1 to
// a20), in the order of the summary grid's columns.
#include <array>

#include "suite/engine/result_context.h"

namespace meridian::engine {

// a1 Salary, a2 House Property, a3 Business, a4 STCG, a5 LTCG, a6 Other
// Sources, a7 Gross Total Income, a8 Deductions, a9 Total Income, a10
// Agricultural Income, a11 Rebate, a12 Surcharge (with cess, as vSurcharge),
// a13 Tax Payable (after rebate, with surcharge and cess), a14 Relief, a15
// Balance Tax Payable, a16 Advance Tax, a17 Interest Payable, a18 Self
// Assessment Tax, a19 Tax Payable (the balance when payable), a20 Tax
// Refundable. Whole rupees.
using SummaryRow = std::array<Money, 20>;

SummaryRow summaryRowOf(const YearResult& r, const ResultContext& c);

}  // namespace meridian::engine
