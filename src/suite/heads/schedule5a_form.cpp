#include "suite/heads/schedule5a_form.h"

#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

const YearTable kSchedule5A{.table = "incsec5a"};

}  // namespace

Schedule5AForm::Schedule5AForm(host::Component& component)
    : HeadScreen(component, "ObjSch5A", "Schedule 5A (Portuguese Civil Code)") {
  add(ui::ControlKind::frame, "famSch5A", "Apportionment of income between spouses (s.5A)");
  schedule_ = &addFields({{"txtSpouseNm", "Name of the spouse", "spouse_nm", CellType::text(125)},
                       {"txtSpousePAN", "PAN of the spouse", "spouse_pan", CellType::pan()},
                       {"txtHPInc", "House Property: income received", "hp_inc", CellType::money()},
                       {"txtHPSpouse", "House Property: apportioned to the spouse", "hp_spouse", CellType::money()},
                       {"txtBPInc", "Business or Profession: income received", "bp_inc", CellType::money()},
                       {"txtBPSpouse", "Business or Profession: apportioned to the spouse", "bp_spouse", CellType::money()},
                       {"txtCGInc", "Capital Gains: income received", "cg_inc", CellType::money()},
                       {"txtCGSpouse", "Capital Gains: apportioned to the spouse", "cg_spouse", CellType::money()},
                       {"txtOSInc", "Other Sources: income received", "os_inc", CellType::money()},
                       {"txtOSSpouse", "Other Sources: apportioned to the spouse", "os_spouse", CellType::money()},
                       {"txtTDS", "TDS deducted on the income", "tds", CellType::money()},
                       {"txtTDSSpouse", "TDS apportioned in the hands of the spouse", "tds_spouse", CellType::money()}},
                      "famSch5A");
  addCommands();
}

void Schedule5AForm::readYear(db::Connection& conn) { readFields(conn, kSchedule5A, *schedule_); }

void Schedule5AForm::writeYear(db::Connection& conn) { writeFields(conn, kSchedule5A, *schedule_); }

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjSch5A", .make = [](host::Component& c) { return std::make_shared<Schedule5AForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
