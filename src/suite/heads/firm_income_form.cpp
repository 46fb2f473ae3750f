#include "suite/heads/firm_income_form.h"

#include "host/screen_registry.h"
#include "suite/heads/business_year_input.h"

namespace meridian::suite::heads {
namespace {

const YearTable kFirms{.table = "business_firm", .serialColumn = "firm_no"};
const Money kWholeShare = Money::rupees(100);  // a share held in per cent, two decimals

}  // namespace

FirmIncomeForm::FirmIncomeForm(host::Component& component)
    : HeadScreen(component, "Objfirm", "Income from Firms in which Partner") {
  firms_ = &addRowGrid({firms, "Firm", "Firms in which the client is a partner",
                        {{"Name of Firm", "firm_name", CellType::text(125), true},
                         {"PAN of Firm", "firm_pan", CellType::pan()},
                         {"Profit Share (%)", "share_pct", CellType::money()},
                         {"Capital Balance on 31 March", "cap_bal", CellType::loss()},
                         {"Share of Profit (exempt u/s 10(2A))", "share_profit", CellType::money()},
                         {"Salary, Bonus", "salary", CellType::money()},
                         {"Interest on Capital", "interest", CellType::money()},
                         {"Commission", "commission", CellType::money()},
                         {"Accounts Audited", "audapp", CellType::flag()},
                         {"Report u/s 92E", "app92e", CellType::flag()}},
                        true});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void FirmIncomeForm::readYear(db::Connection& conn) { firms_->show(readRows(conn, kFirms, code(), year())); }

bool FirmIncomeForm::checkYear() {
  for (int r : firms_->filledRows())
    if (firms_->amount(r, "share_pct") > kWholeShare) {
      firms_->select(r, firms_->columnIndex("share_pct"));
      return refuse("A partner's share of profit can not exceed 100%.", firms);
    }
  return true;
}

void FirmIncomeForm::writeYear(db::Connection& conn) {
  std::vector<db::Pairs> rows;
  for (int r : firms_->filledRows()) rows.push_back(firms_->pairsOf(r));
  replaceRows(conn, kFirms, code(), year(), rows);
}

void FirmIncomeForm::refresh() {
  std::vector<FirmShare> shares;
  for (int r : firms_->filledRows())
    shares.push_back({firms_->amount(r, "share_profit"), firms_->amount(r, "salary"), firms_->amount(r, "interest"),
                      firms_->amount(r, "commission")});
  engine::BusinessInput in;
  addFirmShares(shares, in);
  (*this)["lblTotals"].caption = "Salary, Interest and Commission (taxable) : " + in.firmRemuneration.grouped() +
                                 "    Share of Profit (exempt) : " + in.firmShareExempt.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "Objfirm", .make = [](host::Component& c) { return std::make_shared<FirmIncomeForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
