#include "suite/heads/pass_through_form.h"

#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

std::vector<Choice> investmentKinds() {
  return {{"BT", "Business Trust (s.115UA)"}, {"IF", "Investment Fund (s.115UB)"}};
}

std::vector<Choice> passedHeads() {
  return {{"HP", "House Property"},
          {"STCG", "Short-term Capital Gain"},
          {"LTCG", "Long-term Capital Gain"},
          {"OS", "Other Sources"},
          {"EX", "Income claimed exempt"}};
}

}  // namespace

PassThroughForm::PassThroughForm(host::Component& component)
    : TableGridsScreen(component, "SchPTI", "Schedule PTI (Pass Through Income)") {
  rows_ = &addTableGrid({.table = "schpti", .serialColumn = "srno"},
                        {"vsfPTI", "PTI", "Income from business trusts and investment funds",
                         {{"Business Trust / Investment Fund", "inv_kind", CellType::choice(investmentKinds()), true},
                          {"Name of the Trust / Fund", "inv_name", CellType::text(125), true},
                          {"PAN of the Trust / Fund", "inv_pan", CellType::pan()},
                          {"Head of Income", "head", CellType::choice(passedHeads()), true},
                          {"Amount of Income", "amount", CellType::money()},
                          {"TDS on such Income", "tds", CellType::money()}},
                         true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void PassThroughForm::refresh() {
  (*this)["lblTotals"].caption = "Pass Through Income : " + rows_->total("amount").grouped() +
                                 "    TDS : " + rows_->total("tds").grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "SchPTI", .make = [](host::Component& c) { return std::make_shared<PassThroughForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
