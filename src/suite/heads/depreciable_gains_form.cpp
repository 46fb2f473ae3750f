#include "suite/heads/depreciable_gains_form.h"

#include "host/screen_registry.h"
#include "suite/heads/depreciable_gain.h"

namespace meridian::suite::heads {

DepreciableGainsForm::DepreciableGainsForm(host::Component& component)
    : TableGridsScreen(component, "ObjCapDepr", "Capital Gain on Depreciable Assets (s.50)") {
  rows_ = &addTableGrid({.table = "capital_depr", .serialColumn = "srno"},
                        {"vsfDepr", "Depr", "Blocks of assets transferred during the year",
                         {{"Block of Assets", "block", CellType::text(60), true},
                          {"Rate of Depreciation (%)", "rate", CellType::whole(1, 100), true},
                          {"Full Value of Consideration", "sale_val", CellType::money()},
                          {"W.D.V. of the Block with Additions", "wdv", CellType::money()},
                          {"Expenses on Transfer", "exp_trf", CellType::money()},
                          {"Block Ceased to Exist", "ceased", CellType::flag(), false, "No"}},
                         true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void DepreciableGainsForm::refresh() {
  Money gain;
  for (int r : rows_->filledRows())
    gain += depreciableAssetGain({rows_->amount(r, "sale_val"), rows_->amount(r, "exp_trf"), rows_->amount(r, "wdv"),
                                  rows_->code(r, "ceased") == "Y"});
  (*this)["lblTotals"].caption = "Short-term Capital Gain u/s 50 : " + gain.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjCapDepr", .make = [](host::Component& c) { return std::make_shared<DepreciableGainsForm>(c); },
     .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
