#include <algorithm>

#include "suite/engine/heads.h"

namespace meridian::engine {

SalaryFigures salaryOf(const SalaryInput& in, const YearLaw& law) {
  SalaryFigures f;
  f.gross = in.gross + in.perquisites + in.profitsInLieu;
  f.exemptAllowances = std::min(in.exemptAllowances, f.gross);
  const Money net = f.gross - f.exemptAllowances;
  // s.16(ii): entertainment allowance, at most the year's cap; s.16(iii): tax
  // on employment as paid. Neither takes the salary below nil.
  f.entertainment = std::min({in.entertainmentAllowance, law.entertainmentCap, net});
  f.professionalTax = std::min(in.professionalTax, net - f.entertainment);
  f.income = net - f.entertainment - f.professionalTax;
  return f;
}

}  // namespace meridian::engine
