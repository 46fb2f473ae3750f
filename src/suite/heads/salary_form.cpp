#include "suite/heads/salary_form.h"

#include "host/screen_registry.h"
#include "suite/engine/heads.h"
#include "suite/heads/head_choices.h"
#include "suite/heads/salary_input.h"

namespace meridian::suite::heads {
namespace {

const YearTable kEmployers{.table = "income_salary", .serialColumn = "empr_num"};
const YearTable kExempt{.table = "tab_exempt", .serialColumn = "srno"};
const YearTable kOthers{.table = "other_allow", .serialColumn = "srno"};

// Tax on employment: at most Rs. 2,500 a year (Article 276(2) of the Constitution).
const Money kProfessionalTaxCap = Money::rupees(2500);

std::vector<GridColumn> employerColumns() {
  return {
      {"Employer", "empr_name", CellType::text(125), true},
      {"TAN", "empr_tan", CellType::tan()},
      {"Category", "empr_catg", CellType::choice(choices::employerCategories()), true},
      {"Address", "empr_add", CellType::text(255)},
      {"City", "empr_city", CellType::text(100)},
      {"State", "empr_state", CellType::text(100)},
      {"PIN", "empr_pin", CellType::digits(6, "PIN Code must be of 6 digits.")},
      {"Salary u/s 17(1)", "salary", CellType::money()},
      {"Perquisites u/s 17(2)", "perquisites", CellType::money()},
      {"Profits in lieu u/s 17(3)", "profits", CellType::money()},
      {"Entertainment Allowance u/s 16(ii)", "entertain", CellType::money()},
      {"Professional Tax u/s 16(iii)", "proftax", CellType::money()},
  };
}

}  // namespace

SalaryForm::SalaryForm(host::Component& component) : HeadScreen(component, "ObjSalary", "Salary") {
  employers_ = &addRowGrid({employers, "Emp", "Employers", employerColumns(), true});
  details_ = &addMasterDetail(*employers_, kEmployers);
  exempt_ = &addDetailGrid({exemptAllowances, "Exempt", "Allowances exempt u/s 10 (of the employer selected)",
                            {{"Allowance", "allow_typ", CellType::choice(choices::exemptAllowances()), true},
                             {"Received", "received", CellType::money()},
                             {"Exempt", "exempt", CellType::money()}}},
                           *details_, kExempt, "empr_num");
  others_ = &addDetailGrid({otherAllowances, "Other", "Other allowances (taxable)",
                            {{"Allowance", "particulars", CellType::text(255), true},
                             {"Amount", "amount", CellType::money()}}},
                           *details_, kOthers, "empr_num");
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void SalaryForm::readYear(db::Connection& conn) { details_->read(conn, code(), year()); }

bool SalaryForm::checkYear() {
  for (int r : employers_->filledRows()) {
    if (employers_->code(r, "empr_catg") != "GOV" && !employers_->amount(r, "entertain").isZero()) {
      employers_->select(r, employers_->columnIndex("entertain"));
      return refuse("Deduction for entertainment allowance u/s 16(ii) is allowed only to Government employees.",
                    employers);
    }
    if (employers_->amount(r, "proftax") > kProfessionalTaxCap) {
      employers_->select(r, employers_->columnIndex("proftax"));
      return refuse("Tax on employment u/s 16(iii) can not exceed Rs. 2,500 a year.", employers);
    }
  }
  for (int m = 0; m < employers_->rowCount(); ++m)
    for (const auto& d : details_->details()) {
      if (d.grid != exempt_) continue;
      const auto& rows = details_->detailRows(d, m);
      for (size_t r = 0; r < rows.size(); ++r) {
        const Money received = amountOf(rows[r][1]), exempt = amountOf(rows[r][2]);
        if (exempt > received) {
          employers_->select(m);
          details_->masterSelected(m);
          exempt_->select(static_cast<int>(r), 2);
          return refuse("The exempt part of an allowance can not exceed the amount received.", exemptAllowances);
        }
      }
    }
  return true;
}

void SalaryForm::writeYear(db::Connection& conn) {
  details_->write(conn, code(), year());
  int employersKept = 0;
  for (int m = 0; m < employers_->rowCount(); ++m)
    if (details_->filled(m)) ++employersKept;
  setIncomeCount(conn, "no_of_empr", employersKept);
}

void SalaryForm::saved() { component_.clientCtx().vTotEmpNos = static_cast<int>(employers_->filledRows().size()); }

void SalaryForm::refresh() {
  Money gross, exempt, deductions, income;
  const engine::YearLaw* law = engine::lawOf(year());
  if (!law) return;
  for (int m = 0; m < employers_->rowCount(); ++m) {
    EmployerFigures e{.salary = employers_->amount(m, "salary"),
                      .perquisites = employers_->amount(m, "perquisites"),
                      .profitsInLieu = employers_->amount(m, "profits"),
                      .entertainment = employers_->amount(m, "entertain"),
                      .professionalTax = employers_->amount(m, "proftax")};
    for (const auto& d : details_->details())
      for (const auto& row : details_->detailRows(d, m)) {
        if (d.grid == exempt_) {
          e.exemptReceived += amountOf(row[1]);
          e.exempt += amountOf(row[2]);
        } else {
          e.otherAllowances += amountOf(row[1]);
        }
      }
    const auto f = engine::salaryOf(salaryInputOf(e), *law);
    gross += f.gross;
    exempt += f.exemptAllowances;
    deductions += f.entertainment + f.professionalTax;
    income += f.income;
  }
  (*this)["lblTotals"].caption = "Gross Salary : " + gross.grouped() + "    Exempt Allowances : " + exempt.grouped() +
                                 "    Deductions u/s 16 : " + deductions.grouped() +
                                 "    Income from Salaries : " + income.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjSalary", .make = [](host::Component& c) { return std::make_shared<SalaryForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
