#include "suite/heads/export_units_form.h"

#include "common/years.h"
#include "host/screen_registry.h"
#include "suite/engine/sez_deduction.h"
#include "suite/heads/export_units.h"

namespace meridian::suite::heads {
namespace {

const YearTable kUnits{.table = kExportUnitsTable, .serialColumn = "srno"};

std::vector<Choice> sectionChoices() { return {{"10AA", "10AA"}, {"10A", "10A"}}; }

engine::ExportUnit unitOf(const RowGrid& g, int r) {
  const std::string first = g.cell(r, "first_ay");
  return {engine::exportSectionOf(g.code(r, "section")).value_or(engine::ExportSection::s10aa),
          first.size() >= 4 ? std::atoi(first.substr(0, 4).c_str()) : 0,
          g.amount(r, "profit"),
          g.amount(r, "exp_turnover"),
          g.amount(r, "tot_turnover"),
          g.amount(r, "reserve"),
          g.amount(r, "claimed")};
}

}  // namespace

ExportUnitsForm::ExportUnitsForm(host::Component& component)
    : HeadScreen(component, "Obj10AA", "Deductions u/s 10A / 10AA") {
  units_ = &addRowGrid({units, "Sec10", "Undertakings in Special Economic Zones and Free Trade Zones",
                        {{"Undertaking", "undertaking", CellType::text(125), true},
                         {"Section", "section", CellType::choice(sectionChoices()), true},
                         {"A.Y. of First Manufacture / Services", "first_ay", CellType::year(1991, years::kLatest), true},
                         {"Profit of the Undertaking", "profit", CellType::loss()},
                         {"Export Turnover", "exp_turnover", CellType::money()},
                         {"Total Turnover", "tot_turnover", CellType::money()},
                         {"Credited to SEZ Re-investment Reserve", "reserve", CellType::money()},
                         {"Deduction Claimed (blank: as allowed)", "claimed", CellType::money()}},
                        true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void ExportUnitsForm::readYear(db::Connection& conn) { units_->show(readRows(conn, kUnits, code(), year())); }

bool ExportUnitsForm::checkYear() {
  for (int r : units_->filledRows())
    if (const auto fault = exportUnitFault(unitOf(*units_, r), year())) {
      units_->select(r, units_->columnIndex(fault->column));
      return refuse(fault->message, units);
    }
  return true;
}

void ExportUnitsForm::writeYear(db::Connection& conn) {
  std::vector<db::Pairs> rows;
  for (int r : units_->filledRows()) rows.push_back(units_->pairsOf(r));
  replaceRows(conn, kUnits, code(), year(), rows);
}

void ExportUnitsForm::refresh() {
  // Before the set-off of losses: the computation may allow less where
  // losses leave less business income.
  Money total;
  for (int r : units_->filledRows()) total += engine::exportDeductionOf(unitOf(*units_, r), year()).allowed;
  (*this)["lblTotals"].caption = "Deduction u/s 10A / 10AA (before set-off of losses) : " + total.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "Obj10AA", .make = [](host::Component& c) { return std::make_shared<ExportUnitsForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
