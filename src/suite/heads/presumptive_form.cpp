#include "suite/heads/presumptive_form.h"

#include "host/screen_registry.h"
#include "suite/heads/business_rules.h"
#include "suite/heads/business_year_input.h"
#include "suite/heads/row_texts.h"

namespace meridian::suite::heads {
namespace {

// Every row is one vehicle of its own, its income kept per month.
const YearTable kVehicles{.table = "business_44ae",
                          .serialColumn = "part_no",
                          .fixed = {{"bus_num", 0}, {"no_vehicle", 1}, {"incpermnth", "Y"}}};

Vehicle vehicleOf(const RowTexts& row) {
  return {row.code("heavy") == "1", static_cast<int>(row.whole("tons")), static_cast<int>(row.whole("no_month")),
          row.amount("profit")};
}

}  // namespace

PresumptiveForm::PresumptiveForm(host::Component& component)
    : HeadScreen(component, "Objad44", "Presumptive Income u/s 44AE") {
  add(ui::ControlKind::label, "lblNote",
      "Presumptive income of a business u/s 44AD or of a profession u/s 44ADA is entered with that business on the "
      "Business / Profession screen.");
  vehicles_ = &addRowGrid({vehicles, "Veh", "Goods carriages (s.44AE)",
                           {{"Registration No.", "reg_no", CellType::text(20), true},
                            {"Vehicle", "heavy", CellType::choice(vehicleClasses()), true},
                            {"Weight (tons)", "tons", CellType::whole(0, 1000)},
                            {"Months Owned", "no_month", CellType::whole(1, 12), true},
                            {"Income Declared per Month (blank: presumptive)", "profit", CellType::money()}},
                           true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void PresumptiveForm::readYear(db::Connection& conn) { vehicles_->show(readRows(conn, kVehicles, code(), year())); }

bool PresumptiveForm::checkYear() {
  const engine::YearLaw* law = engine::lawOf(year());
  if (!law) return true;
  const auto filled = vehicles_->filledRows();
  if (auto why = vehicleCountRefusal(static_cast<int>(filled.size()), *law)) return refuse(*why, vehicles);
  for (int r : filled)
    if (auto fault = vehicleFault(vehicleOf(RowTexts(*vehicles_, r)), *law)) {
      vehicles_->select(r, vehicles_->columnIndex(fault->column));
      return refuse(fault->message, vehicles);
    }
  return true;
}

void PresumptiveForm::writeYear(db::Connection& conn) {
  std::vector<db::Pairs> rows;
  for (int r : vehicles_->filledRows()) rows.push_back(vehicles_->pairsOf(r));
  replaceRows(conn, kVehicles, code(), year(), rows);
}

void PresumptiveForm::refresh() {
  const engine::YearLaw* law = engine::lawOf(year());
  if (!law) {
    (*this)["lblTotals"].caption = "";
    return;
  }
  Money heavy, other;
  for (int r : vehicles_->filledRows()) {
    const Vehicle v = vehicleOf(RowTexts(*vehicles_, r));
    (v.heavy ? heavy : other) += vehicleIncomeTaken(v, *law);
  }
  (*this)["lblTotals"].caption = "Heavy Goods Vehicles : " + heavy.grouped() + "    Other Goods Vehicles : " +
                                 other.grouped() + "    Income u/s 44AE : " + (heavy + other).grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "Objad44", .make = [](host::Component& c) { return std::make_shared<PresumptiveForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
