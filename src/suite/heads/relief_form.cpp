#include "suite/heads/relief_form.h"

#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

const YearTable kRelief{.table = "income_relief"};

}  // namespace

ReliefForm::ReliefForm(host::Component& component) : HeadScreen(component, "ObjRebate", "Relief") {
  add(ui::ControlKind::frame, "famRelief", "Relief claimed");
  relief_ = &addFields({{"txtRel89", "Relief u/s 89", "rel89", CellType::money()},
                        {"txtRel90", "Relief u/s 90", "rel90", CellType::money()},
                        {"txtRel90A", "Relief u/s 90A", "rel90a", CellType::money()},
                        {"txtRel91", "Relief u/s 91", "rel91", CellType::money()}},
                       "famRelief");
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void ReliefForm::readYear(db::Connection& conn) { readFields(conn, kRelief, *relief_); }

void ReliefForm::writeYear(db::Connection& conn) { writeFields(conn, kRelief, *relief_); }

void ReliefForm::refresh() {
  Money total;
  for (const auto& f : relief_->fields()) total += relief_->amount(f.control);
  (*this)["lblTotals"].caption = "Total Relief : " + total.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjRebate", .make = [](host::Component& c) { return std::make_shared<ReliefForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
