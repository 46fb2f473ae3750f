#include "suite/heads/foreign_income_form.h"

#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

const YearTable kForeignIncome{.table = "taxrelsch", .serialColumn = "srno", .fixed = {{"rowtyp", "FSI"}}};

std::vector<Choice> incomeHeads() {
  return {{"SAL", "Salary"},
          {"HP", "House Property"},
          {"BP", "Business or Profession"},
          {"CG", "Capital Gains"},
          {"OS", "Other Sources"}};
}

std::vector<Choice> reliefSections() { return {{"90", "90"}, {"90A", "90A"}, {"91", "91"}}; }

}  // namespace

ForeignIncomeForm::ForeignIncomeForm(host::Component& component)
    : HeadScreen(component, "ObjSchFSITR", "Schedule FSI (DTAA/Relief u/s 90,90A,91)") {
  rows_ = &addRowGrid({"vsfFSI", "FSI", "Income from outside India",
                       {{"Country Code", "country_cd", CellType::text(8)},
                        {"Country", "country_nm", CellType::text(125)},
                        {"Taxpayer Identification No.", "tin", CellType::text(40)},
                        {"Head of Income", "head", CellType::choice(incomeHeads())},
                        {"Income from outside India", "income", CellType::money()},
                        {"Tax paid outside India", "taxpaid", CellType::money()},
                        {"Relief u/s", "relsec", CellType::choice(reliefSections())}},
                       true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void ForeignIncomeForm::readYear(db::Connection& conn) {
  rows_->show(readRows(conn, kForeignIncome, code(), year()));
}

void ForeignIncomeForm::writeYear(db::Connection& conn) {
  std::vector<db::Pairs> rows;
  for (int r : rows_->filledRows()) rows.push_back(rows_->pairsOf(r));
  replaceRows(conn, kForeignIncome, code(), year(), rows);
}

void ForeignIncomeForm::refresh() {
  Money income, tax;
  for (int r : rows_->filledRows()) {
    income += rows_->amount(r, "income");
    tax += rows_->amount(r, "taxpaid");
  }
  (*this)["lblTotals"].caption =
      "Income from outside India : " + income.grouped() + "    Tax paid outside India : " + tax.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjSchFSITR", .make = [](host::Component& c) { return std::make_shared<ForeignIncomeForm>(c); },
     .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
