#include "suite/heads/specified_business_form.h"

#include <chrono>

#include "host/screen_registry.h"
#include "suite/heads/business_year_input.h"

namespace meridian::suite::heads {
namespace {

const YearTable kSpecified{.table = "business_35ad", .serialColumn = "srno"};

}  // namespace

SpecifiedBusinessForm::SpecifiedBusinessForm(host::Component& component)
    : HeadScreen(component, "Obj35AD", "Specified Business u/s 35AD") {
  specified_ = &addRowGrid({specified, "Spec", "Specified businesses",
                            {{"Specified Business", "name", CellType::text(255), true},
                             {"Operations Began on", "comm_dt", CellType::date(nullptr, true), true},
                             {"Profit (Loss) before s.35AD", "profit", CellType::loss()},
                             {"Capital Expenditure u/s 35AD", "cap_exp", CellType::money()}},
                            true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void SpecifiedBusinessForm::readYear(db::Connection& conn) {
  specified_->show(readRows(conn, kSpecified, code(), year()));
}

bool SpecifiedBusinessForm::checkYear() {
  using namespace std::chrono;
  // The deduction is of the year the business begins operations or a later one.
  const CivilDate yearEnd = std::chrono::year{year()} / March / 31;
  for (int r : specified_->filledRows()) {
    const auto began = parseDmy(specified_->cell(r, "comm_dt"));
    if (began && *began > yearEnd) {
      specified_->select(r, specified_->columnIndex("comm_dt"));
      return refuse("A specified business must have begun operations by " + formatDmy(yearEnd) + ".", specified);
    }
  }
  return true;
}

void SpecifiedBusinessForm::writeYear(db::Connection& conn) {
  std::vector<db::Pairs> rows;
  for (int r : specified_->filledRows()) rows.push_back(specified_->pairsOf(r));
  replaceRows(conn, kSpecified, code(), year(), rows);
}

void SpecifiedBusinessForm::refresh() {
  std::vector<SpecifiedBusinessEntry> entries;
  for (int r : specified_->filledRows())
    entries.push_back({specified_->amount(r, "profit"), specified_->amount(r, "cap_exp")});
  const Money income = specifiedBusinessIncome(entries);
  (*this)["lblTotals"].caption =
      "Income of Specified Businesses : " + income.grouped() +
      (income.isNegative() ? "    (a loss: set off only against specified businesses, s.73A)" : "");
}

namespace {
const host::ScreenRegistration registered{{.name = "Obj35AD",
                                           .make = [](host::Component& c) {
                                             return std::make_shared<SpecifiedBusinessForm>(c);
                                           },
                                           .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
