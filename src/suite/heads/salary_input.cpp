// The employers of the year into the computation.
#include "suite/heads/salary_input.h"

#include <map>

#include "db/rows.h"
#include "suite/heads/year_input_loader.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads {
namespace {

Money amountIn(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }

void loadSalaries(db::Connection& conn, const YearSource& s, engine::YearInput& in, LoadNotes&) {
  std::map<long long, EmployerFigures> byEmployer;
  for (const auto& r : readRows(conn, {.table = "tab_exempt", .serialColumn = "srno"}, s.dataSet, s.year)) {
    auto& e = byEmployer[r.integer("empr_num")];
    e.exemptReceived += amountIn(r, "received");
    e.exempt += amountIn(r, "exempt");
  }
  for (const auto& r : readRows(conn, {.table = "other_allow", .serialColumn = "srno"}, s.dataSet, s.year))
    byEmployer[r.integer("empr_num")].otherAllowances += amountIn(r, "amount");
  for (const auto& r : readRows(conn, {.table = "income_salary", .serialColumn = "empr_num"}, s.dataSet, s.year)) {
    EmployerFigures e = byEmployer[r.integer("empr_num")];
    e.salary = amountIn(r, "salary");
    e.perquisites = amountIn(r, "perquisites");
    e.profitsInLieu = amountIn(r, "profits");
    e.entertainment = amountIn(r, "entertain");
    e.professionalTax = amountIn(r, "proftax");
    in.salaries.push_back(salaryInputOf(e));
  }
}

const YearInputPartRegistration registered{"salary", &loadSalaries};

}  // namespace
}  // namespace meridian::suite::heads
