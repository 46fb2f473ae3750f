#include "suite/heads/distribution_form.h"

#include "host/screen_registry.h"

namespace meridian::suite::heads {
namespace {

const YearTable kDistributions{.table = "geninfo_schj", .serialColumn = "srno"};
const YearTable kTaxPaid{.table = "dist_tax", .serialColumn = "srno"};

CellType isoDate() { return CellType::date(nullptr, true); }

}  // namespace

DistributionForm::DistributionForm(host::Component& component)
    : HeadScreen(component, "ObjSchDDT", "Schedule DDT/BBS") {
  distributions_ = &addRowGrid(
      {"vsfDist", "Dist", "Distributions",
       {{"Distribution", "flagbbs", CellType::choice({{"N", "Dividend u/s 115-O"}, {"Y", "Buy-back u/s 115QA"}}), true},
        {"Date of distribution", "dist_dt", isoDate(), true},
        {"Amount distributed or paid", "amount", CellType::money(), true},
        {"Amount received on issue (buy-back)", "received", CellType::money()}},
       true});
  details_ = &addMasterDetail(*distributions_, kDistributions);
  taxPaid_ = &addDetailGrid({"vsfDistTax", "DistTax", "Tax paid (on the distribution selected)",
                             {{"BSR Code", "bsr_code", CellType::digits(7, "The BSR code is of 7 digits."), true},
                              {"Date of Payment", "paid_dt", isoDate(), true},
                              {"Challan No.", "chsrno", CellType::digits(5, "The challan number is of 5 digits."), true},
                              {"Amount", "amt", CellType::money(), true}}},
                            *details_, kTaxPaid, "schj_srno");
  addCommands();
}

void DistributionForm::readYear(db::Connection& conn) { details_->read(conn, code(), year()); }

void DistributionForm::writeYear(db::Connection& conn) { details_->write(conn, code(), year()); }

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjSchDDT", .make = [](host::Component& c) { return std::make_shared<DistributionForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
