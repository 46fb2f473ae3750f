#include "suite/heads/application_of_fund_form.h"

#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

const YearTable kApplication{.table = "appfund"};

}  // namespace

ApplicationOfFundForm::ApplicationOfFundForm(host::Component& component)
    : HeadScreen(component, "ObjAppfund", "Application of Fund") {
  add(ui::ControlKind::frame, "famAppFund", "Application of income of the trust (s.11)");
  fund_ = &addFields(
      {{"txtIncDerived", "Income derived from property held under trust", "income_derived", CellType::money()},
       {"txtApplied", "Amount applied to charitable or religious purposes in India", "applied", CellType::money()},
       {"txtAccum15", "Amount accumulated or set apart (not exceeding 15%)", "accum_15", CellType::money()},
       {"txtAccum112", "Amount accumulated u/s 11(2)", "accum_11_2", CellType::money()},
       {"txtBusBooks", "Income of the business undertaking as shown in its accounts", "bus_books", CellType::money()},
       {"txtCharge114", "Income chargeable u/s 11(4)", "charge_11_4", CellType::money()}},
      "famAppFund");
  addCommands();
}

void ApplicationOfFundForm::readYear(db::Connection& conn) { readFields(conn, kApplication, *fund_); }

void ApplicationOfFundForm::writeYear(db::Connection& conn) { writeFields(conn, kApplication, *fund_); }

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjAppfund", .make = [](host::Component& c) { return std::make_shared<ApplicationOfFundForm>(c); },
     .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
