#include "suite/heads/business_form.h"

#include "host/screen_registry.h"
#include "suite/engine/heads.h"
#include "suite/assets/fixed_asset_chart.h"
#include "suite/heads/business_rules.h"
#include "suite/heads/business_year_input.h"
#include "suite/heads/profit_and_loss_items.h"
#include "suite/heads/row_texts.h"

namespace meridian::suite::heads {
namespace {

const YearTable kBusinesses{.table = "income_business", .serialColumn = "business_no"};
const YearTable kDisallowed{.table = "business_disallowed", .serialColumn = "srno"};
const YearTable kPresumptive{.table = "business_44adaf", .serialColumn = "srno"};
const YearTable kProfitAndLossItems{.table = kProfitAndLossItemsTable, .serialColumn = "srno"};
const YearTable kCommission{.table = "comms", .yearColumn = "assyear", .serialColumn = "srno"};

std::vector<GridColumn> businessColumns(DateRule firstEarned) {
  return {
      {"Name of Business / Profession", "bus_name", CellType::text(125), true},
      {"Nature", "nature", CellType::choice(businessNatures()), true},
      {"Turnover / Sales", "turnover", CellType::money()},
      {"Gross Receipts", "gross_rec", CellType::money()},
      {"Net Profit (Loss) as per P&L", "net_profit", CellType::loss()},
      {"Speculation Profit (Loss)", "spec_profit", CellType::loss()},
      // The net profit is after the depreciation the books debit; the
      // computation adds it back and takes the chart's depreciation instead.
      {"Depreciation debited to P&L", "dep_debited", CellType::money()},
      // s.234C(1), proviso, clause (c): a business new to the year.
      {"First Earned On (new business)", "first_earned", CellType::date(std::move(firstEarned), true)},
  };
}

const MasterDetail::Rows& rowsUnder(MasterDetail& md, const RowGrid* grid, int masterRow) {
  for (const auto& d : md.details())
    if (d.grid == grid) return md.detailRows(d, masterRow);
  throw std::logic_error("no detail grid " + grid->name());
}

// The first row of a detail that holds anything, or -1.
int firstFilled(const RowGrid& grid, const MasterDetail::Rows& rows) {
  for (size_t r = 0; r < rows.size(); ++r)
    if (!grid.blank(rows[r])) return static_cast<int>(r);
  return -1;
}

PresumptiveEntry presumptiveOf(const RowTexts& row) {
  return {row.code("part_num") == business_codes::section44ada, row.amount("turnover"), row.amount("turnover_dig"),
          row.amount("tic")};
}

}  // namespace

BusinessForm::BusinessForm(host::Component& component)
    : HeadScreen(component, "objbusiness", "Business / Profession") {
  // A business that earned before the previous year is not new to it.
  auto withinPreviousYear = [this](const CivilDate& d) -> std::optional<std::string> {
    const CivilDate from = std::chrono::year{year() - 1} / std::chrono::April / 1;
    if (year() > 0 && (d < from || d > previousYearEnd()))
      return "A business first earns within the previous year, " + formatDmy(from) + " to " +
             formatDmy(previousYearEnd()) + ".";
    return std::nullopt;
  };
  businesses_ = &addRowGrid(
      {businesses, "Bus", "Businesses and Professions", businessColumns(std::move(withinPreviousYear)), true});
  details_ = &addMasterDetail(*businesses_, kBusinesses);
  disallowed_ = &addDetailGrid({disallowed, "Dis", "Amounts not allowed (of the business selected)",
                                {{"Section", "section", CellType::choice(disallowanceSections()), true},
                                 {"Particulars", "particulars", CellType::text(255)},
                                 {"Amount", "amount", CellType::money()}}},
                               *details_, kDisallowed, "business_no");
  presumptive_ = &addDetailGrid({presumptive, "Pre", "Presumptive income u/s 44AD / 44ADA (of the business selected)",
                                 {{"Section", "part_num", CellType::choice(presumptiveSections()), true},
                                  {"Turnover / Gross Receipts", "turnover", CellType::money()},
                                  {"Of which by Cheque, Draft or Electronic Clearing", "turnover_dig", CellType::money()},
                                  {"Income Declared (blank: presumptive)", "tic", CellType::money()}}},
                                *details_, kPresumptive, "bus_num");
  plItems_ = &addDetailGrid({plItems, "PL", "Other heads and exempt income in the P&L (of the business selected)",
                             {{"Item", "item", CellType::choice(profitAndLossItemKinds()), true},
                              {"Particulars", "particulars", CellType::text(255)},
                              {"Amount", "amount", CellType::money()}}},
                            *details_, kProfitAndLossItems, "business_no");
  commission_ = &addRowGrid({commission, "Comm", "Commission received",
                             {{"Paid by", "payer", CellType::text(125), true},
                              {"Nature", "nature", CellType::text(255)},
                              {"Commission", "amount", CellType::money()},
                              {"Expenses", "expenses", CellType::money()}}});
  add(ui::ControlKind::label, "lblTotals");
  // The depreciation of the business's assets is kept in the fixed-asset
  // chart of the suite's accounts component, opened from here.
  add(ui::ControlKind::button, "cmdDepChart", "Depreciation &Chart");
  on("cmdDepChart", ui::EventType::click, [this](ui::Event&) { openDepreciationChart(); });
  add(ui::ControlKind::button, "cmd10AA", "Deductions u/s 10A / 10&AA");
  on("cmd10AA", ui::EventType::click, [this](ui::Event&) {
    component_.showMaximised(component_.sibling("PrjBusiness.Forms").object("Obj10AA"));
  });
  addCommands();
}

void BusinessForm::openDepreciationChart() {
  base_.Temp_Code = component_.clientCtx().vT_Code_No.get();
  component_.showMaximised(component_.sibling("PrjAccounts.Forms").object("ObjNewFATR"));
}

void BusinessForm::readYear(db::Connection& conn) {
  details_->read(conn, code(), year());
  commission_->show(readRows(conn, kCommission, code(), year()));
  const std::string master = component_.clientCtx().vT_Code_No.get();
  person_ = clientPersonOf(base_, master.empty() ? code() : master, year());
  depreciationAllowed_ = assets::chartDepreciation(conn, code(), year());
}

bool BusinessForm::checkYear() {
  const engine::YearLaw* law = engine::lawOf(year());
  for (int m = 0; m < businesses_->rowCount(); ++m) {
    if (!checkProfitAndLossItems(m)) return false;
    const auto& rows = rowsUnder(*details_, presumptive_, m);
    const int first = firstFilled(*presumptive_, rows);
    if (first < 0) continue;
    for (size_t r = static_cast<size_t>(first) + 1; r < rows.size(); ++r)
      if (!presumptive_->blank(rows[r]))
        return refuseAtDetail(*details_, *presumptive_, m, static_cast<int>(r), "part_num",
                              "A business has one line of presumptive income.");
    if (!businesses_->amount(m, "net_profit").isZero() || !businesses_->amount(m, "spec_profit").isZero()) {
      businesses_->select(m, businesses_->columnIndex("net_profit"));
      return refuse("The income of a business under s.44AD or s.44ADA is the presumptive income: its net profit "
                    "and speculation profit are left blank.",
                    businesses);
    }
    if (!businesses_->amount(m, "dep_debited").isZero()) {
      businesses_->select(m, businesses_->columnIndex("dep_debited"));
      return refuse("Depreciation of a business under s.44AD or s.44ADA is deemed allowed in its presumptive "
                    "income: leave 'Depreciation debited to P&L' blank.",
                    businesses);
    }
    const auto& disallowances = rowsUnder(*details_, disallowed_, m);
    if (const int d = firstFilled(*disallowed_, disallowances); d >= 0)
      return refuseAtDetail(*details_, *disallowed_, m, d, "section",
                            "Amounts not allowed are not added to a presumptive income.");
    if (const int i = firstFilled(*plItems_, rowsUnder(*details_, plItems_, m)); i >= 0)
      return refuseAtDetail(*details_, *plItems_, m, i, "item",
                            "The profit and loss account of a business under s.44AD or s.44ADA is set aside: nothing "
                            "of it is taken off a presumptive income.");
    if (!law) continue;
    const RowTexts row(*presumptive_, rows[static_cast<size_t>(first)]);
    const bool profession = businesses_->code(m, "nature") == business_codes::profession;
    if (auto fault = presumptiveFault(presumptiveOf(row), profession, person_, *law))
      return refuseAtDetail(*details_, *presumptive_, m, first, fault->column, fault->message);
  }
  return true;
}

// Only a firm pays its partners. An expense of exempt income is added back
// once: here or among the amounts not allowed (s.14A), not both.
bool BusinessForm::checkProfitAndLossItems(int m) {
  const auto& items = rowsUnder(*details_, plItems_, m);
  const bool firm = person_.status == engine::Status::firm || person_.status == engine::Status::llp;
  bool exemptExpense = false;
  for (size_t r = 0; r < items.size(); ++r) {
    if (plItems_->blank(items[r])) continue;
    const std::string item = RowTexts(*plItems_, items[r]).code("item");
    if (isPartnersItem(item) && !firm)
      return refuseAtDetail(*details_, *plItems_, m, static_cast<int>(r), "item",
                            "Only a firm debits salary, bonus, commission or interest to its partners.");
    exemptExpense = exemptExpense || isExemptExpenseItem(item);
  }
  if (!exemptExpense) return true;
  const auto& disallowances = rowsUnder(*details_, disallowed_, m);
  for (size_t d = 0; d < disallowances.size(); ++d)
    if (!disallowed_->blank(disallowances[d]) && RowTexts(*disallowed_, disallowances[d]).code("section") == "14A")
      return refuseAtDetail(*details_, *disallowed_, m, static_cast<int>(d), "section",
                            "Expenses relating to exempt income are added back once: as an item of the P&L or as an "
                            "amount not allowed u/s 14A, not both.");
  return true;
}

int BusinessForm::businessesKept() {
  int kept = 0;
  for (int m = 0; m < businesses_->rowCount(); ++m)
    if (details_->filled(m)) ++kept;
  return kept;
}

void BusinessForm::writeYear(db::Connection& conn) {
  details_->write(conn, code(), year());
  std::vector<db::Pairs> rows;
  for (int r : commission_->filledRows()) rows.push_back(commission_->pairsOf(r));
  replaceRows(conn, kCommission, code(), year(), rows);
  setIncomeCount(conn, "no_of_business", businessesKept());
}

void BusinessForm::saved() { component_.clientCtx().vTotBusNos = businessesKept(); }

void BusinessForm::refresh() {
  const engine::YearLaw* law = engine::lawOf(year());
  if (!law) {
    (*this)["lblTotals"].caption = "";
    return;
  }
  std::vector<BusinessEntry> entries;
  for (int m = 0; m < businesses_->rowCount(); ++m) {
    BusinessEntry b{businesses_->amount(m, "net_profit"), businesses_->amount(m, "spec_profit"), Money(), std::nullopt,
                    businesses_->amount(m, "dep_debited")};
    for (const auto& texts : rowsUnder(*details_, disallowed_, m)) b.disallowed += RowTexts(*disallowed_, texts).amount("amount");
    ProfitAndLossItems items;
    for (const auto& texts : rowsUnder(*details_, plItems_, m)) {
      const RowTexts row(*plItems_, texts);
      items.add(row.code("item"), row.amount("amount"));
    }
    b.otherHeadsAndExempt = items.takenOffNetProfit();
    const auto& rows = rowsUnder(*details_, presumptive_, m);
    if (const int first = firstFilled(*presumptive_, rows); first >= 0)
      b.presumptive = presumptiveOf(RowTexts(*presumptive_, rows[static_cast<size_t>(first)]));
    entries.push_back(b);
  }
  std::vector<CommissionEntry> commission;
  for (int r = 0; r < commission_->rowCount(); ++r)
    commission.push_back({commission_->amount(r, "amount"), commission_->amount(r, "expenses")});
  engine::YearInput in;
  in.year = year();
  in.status = person_.status;
  in.residence = person_.residence;
  addBusinesses(entries, person_, *law, in.business);
  addCommission(commission, in.business);
  in.business.depreciationAllowed = depreciationAllowed_;
  const engine::BusinessFigures f = engine::businessOf(in, *law);
  (*this)["lblTotals"].caption = "Business and Profession : " + f.ordinary.grouped() +
                                 "    after Depreciation u/s 32 : " + f.depreciationAllowed.grouped() +
                                 "    of which Presumptive u/s 44AD : " + f.presumptive44ad.grouped() +
                                 ", u/s 44ADA : " + f.presumptive44ada.grouped() +
                                 "    Speculation Business : " + f.speculation.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "objbusiness", .make = [](host::Component& c) { return std::make_shared<BusinessForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
