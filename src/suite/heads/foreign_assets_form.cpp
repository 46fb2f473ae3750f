#include "suite/heads/foreign_assets_form.h"

#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

// The parts of the schedule, in the schedule's order.
std::vector<Choice> assetKinds() {
  return {{"A", "Foreign Bank Account"},
          {"B", "Financial Interest in any Entity"},
          {"C", "Immovable Property"},
          {"D", "Other Capital Asset"},
          {"E", "Account with Signing Authority"},
          {"F", "Trust (Trustee, Beneficiary or Settlor)"}};
}

}  // namespace

ForeignAssetsForm::ForeignAssetsForm(host::Component& component)
    : TableGridsScreen(component, "ObjSchFA", "Schedule FA (Foreign Assets)") {
  rows_ = &addTableGrid({.table = "schresfa", .serialColumn = "srno"},
                        {"vsfFA", "FA", "Assets and accounts outside India",
                         {{"Kind of Asset", "part", CellType::choice(assetKinds()), true},
                          {"Country Code", "country_cd", CellType::text(8), true},
                          {"Country", "country_nm", CellType::text(125), true},
                          {"Name of Bank / Entity / Trust", "entity_nm", CellType::text(125)},
                          {"Address", "address", CellType::text(255)},
                          {"Nature of Asset / Interest", "nature", CellType::text(125)},
                          {"Held Since", "held_since", CellType::date()},
                          {"Value / Peak Balance", "value", CellType::money()},
                          {"Income from it", "income", CellType::money()}},
                         true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void ForeignAssetsForm::refresh() {
  (*this)["lblTotals"].caption = "Assets : " + std::to_string(rows_->filledRows().size()) +
                                 "    Value : " + rows_->total("value").grouped() +
                                 "    Income : " + rows_->total("income").grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjSchFA", .make = [](host::Component& c) { return std::make_shared<ForeignAssetsForm>(c); },
     .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
