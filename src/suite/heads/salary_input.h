#pragma once
// One employer's figures as the salary screen and the year's loader both
// read them, and the computation's record of them: the salary u/s 17(1) is
// the salary entered with every allowance paid, taxable or exempt in part;
// the exempt part is taken off as an allowance exempt u/s 10.
#include "common/money.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

struct EmployerFigures {
  Money salary;           // basic, dearness allowance, bonus ... u/s 17(1), allowances apart
  Money perquisites;      // s.17(2)
  Money profitsInLieu;    // s.17(3)
  Money entertainment;    // s.16(ii)
  Money professionalTax;  // s.16(iii)
  Money otherAllowances;  // taxable allowances (other_allow)
  Money exemptReceived;   // allowances exempt in part: received (tab_exempt)
  Money exempt;           // ... and their exempt part
};

inline engine::SalaryInput salaryInputOf(const EmployerFigures& e) {
  return {.gross = e.salary + e.otherAllowances + e.exemptReceived,
          .exemptAllowances = e.exempt,
          .perquisites = e.perquisites,
          .profitsInLieu = e.profitsInLieu,
          .entertainmentAllowance = e.entertainment,
          .professionalTax = e.professionalTax};
}

}  // namespace meridian::suite::heads
