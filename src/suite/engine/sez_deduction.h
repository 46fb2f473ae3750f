#pragma once
// The deduction of an export undertaking's profits (ss.10A, 10AA). The
// forms of these years take it from the gross total income, before Chapter
// VI-A; it reaches only the business income left there after losses are
// set off, since it is a deduction of the undertaking's profits.
#include <vector>

#include "suite/engine/sez_deduction_rules.h"
#include "suite/engine/year_input.h"

namespace meridian::engine {

struct ExportDeductionLine {
  ExportSection section = ExportSection::s10aa;
  int unitYear = 0;    // the undertaking's year of deduction, its first year 1; 0 before it began
  Money exportProfit;  // s.10AA(7): profit x export turnover / total turnover
  Money entitled;      // at the period's share, within the reserve where the period asks for one
  Money allowed;       // the lower of that and the amount claimed, where one is claimed
};

// One undertaking's deduction in the A.Y. beginning in `year`: nothing
// before its first year, after its last, or after its section has ended.
ExportDeductionLine exportDeductionOf(const ExportUnit& unit, int year,
                                      const ExportDeductionRules& rules = ExportDeductionRules::shipped());

// The deductions of all the undertakings, and their total within the
// business income left in the gross total income.
struct ExportDeductions {
  std::vector<ExportDeductionLine> lines;
  Money total;
  Money of(ExportSection section) const;
};
ExportDeductions exportDeductions(const std::vector<ExportUnit>& units, int year, Money businessIncomeLeft,
                                  const ExportDeductionRules& rules = ExportDeductionRules::shipped());

}  // namespace meridian::engine
