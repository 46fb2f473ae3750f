#pragma once
// Deductions of Chapter VI-A: each section's allowed amount by its own limit
// for the year, and all of them together never above gross total income less
// the incomes at special rates (s.80A(2); ss.111A(2), 112(2), 115BB).
#include <string_view>
#include <vector>

#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

struct DeductionBase {
  Money grossTotalIncome;
  Money specialIncome;     // long-term gains, s.111A gains, incomes taxed apart
  Money salary;            // income under the head salaries (ss.80CCD)
  Money savingsInterest;   // s.80TTA
  int ageClass = 0;
};

// Lines in the order the return lists the sections, one for each section
// claimed.
std::vector<DeductionLine> chapterVIA(const YearInput& in, const DeductionBase& base, const YearLaw& law);

// Section codes the computation knows ("80C", "80CCD(1B)", "80IA" ...), and
// the extra key "80D_parents" for the insurance of parents.
bool isKnownSection(std::string_view code);

}  // namespace meridian::engine
