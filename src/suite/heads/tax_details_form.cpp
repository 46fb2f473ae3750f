#include "suite/heads/tax_details_form.h"

#include "host/screen_registry.h"
#include "suite/heads/head_choices.h"

namespace meridian::suite::heads {
namespace {

const YearTable kTds{.table = "tds", .yearColumn = "asyear", .serialColumn = "srno"};
const YearTable kAdvance{.table = "adv_tax", .serialColumn = "srno"};
const YearTable kSelf{.table = "self_tax", .serialColumn = "srno"};

std::vector<GridColumn> challanColumns(DateRule paid) {
  return {{"BSR Code", "bsr_code", CellType::digits(7, "BSR Code must be of 7 digits."), true},
          {"Date of Payment", "date", CellType::date(std::move(paid), true), true},
          {"Challan Serial No.", "chsrno", CellType::digits(5, "Challan Serial No. must be of 5 digits."), true},
          {"Amount", "amt", CellType::money(), true}};
}

}  // namespace

std::vector<Choice> tdsItems(db::Connection& conn) {
  std::vector<Choice> out;
  for (const auto& r : conn.query("SELECT itemcd, descr FROM secdesc_items ORDER BY ord"))
    out.push_back({r.text("itemcd"), r.text("itemcd") + " - " + r.text("descr")});
  return out;
}

TaxDetailsForm::TaxDetailsForm(host::Component& component) : HeadScreen(component, "Objtaxdetail", "Tax Details") {
  // Tax deducted in the previous year or before it (brought forward), never after.
  auto deducted = CellType::date(notAfterPreviousYear("The tax can not have been deducted after the previous year, which ended on "));
  tds_ = &addRowGrid({tds, "Tds", "TDS / TCS",
                      {{"Section", "itemcd", CellType::choice(tdsItems(component.base().DbObj())), true},
                       {"Deductor / Collector", "dedname", CellType::text(125), true},
                       {"TAN", "dedtan", CellType::tan(), true},
                       {"Certificate No.", "utcn", CellType::text(16)},
                       {"Date of Deduction", "deddt", deducted},
                       {"Amount Paid / Credited", "totinc", CellType::money()},
                       {"Tax Deducted", "tdsded", CellType::money(), true},
                       {"Claimed this Year", "tdsclaim", CellType::money()},
                       {"Claimed by Spouse", "spouseclaim", CellType::money()},
                       {"Head of Income", "partid", CellType::choice(choices::incomeHeads())}},
                      true});
  // Advance tax is paid within the previous year (s.207 ff.).
  advance_ = &addRowGrid(
      {advanceTax, "Adv", "Advance Tax", challanColumns([this](const CivilDate& d) -> std::optional<std::string> {
         if (year() > 0 && (d < previousYearStart() || d > previousYearEnd()))
           return "Advance tax is paid in the previous year: the date must be from " + formatDmy(previousYearStart()) +
                  " to " + formatDmy(previousYearEnd()) + ".";
         return std::nullopt;
       })});
  // Self-assessment tax is paid after the previous year ends (s.140A).
  self_ = &addRowGrid({selfAssessmentTax, "Self", "Self-Assessment Tax",
                       challanColumns([this](const CivilDate& d) -> std::optional<std::string> {
                         if (year() > 0 && d <= previousYearEnd())
                           return "Self-assessment tax is paid after the previous year ends: the date must be after " +
                                  formatDmy(previousYearEnd()) + ".";
                         return std::nullopt;
                       })});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void TaxDetailsForm::readYear(db::Connection& conn) {
  readGrid(conn, kTds, *tds_);
  readGrid(conn, kAdvance, *advance_);
  readGrid(conn, kSelf, *self_);
}

bool TaxDetailsForm::checkYear() {
  for (int r : tds_->filledRows())
    if (tds_->amount(r, "tdsclaim") + tds_->amount(r, "spouseclaim") > tds_->amount(r, "tdsded")) {
      tds_->select(r, tds_->columnIndex("tdsclaim"));
      return refuse("The tax claimed (by the client and the spouse) can not exceed the tax deducted.", tds);
    }
  return true;
}

void TaxDetailsForm::writeYear(db::Connection& conn) {
  writeGrid(conn, kTds, *tds_);
  writeGrid(conn, kAdvance, *advance_);
  writeGrid(conn, kSelf, *self_);
}

void TaxDetailsForm::refresh() {
  Money deducted, collected;
  for (int r : tds_->filledRows())
    (tds_->code(r, "itemcd").rfind("206", 0) == 0 ? collected : deducted) += tds_->amount(r, "tdsclaim");
  (*this)["lblTotals"].caption = "TDS : " + deducted.grouped() + "    TCS : " + collected.grouped() +
                                 "    Advance Tax : " + advance_->total("amt").grouped() +
                                 "    Self-Assessment Tax : " + self_->total("amt").grouped();
}

namespace {
const host::ScreenRegistration registered{{.name = "Objtaxdetail",
                                           .make = [](host::Component& c) { return std::make_shared<TaxDetailsForm>(c); },
                                           .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
