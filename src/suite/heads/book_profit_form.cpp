#include "suite/heads/book_profit_form.h"

#include "host/screen_registry.h"
#include "suite/heads/book_profit.h"
#include "suite/heads/book_profit_clauses.h"

namespace meridian::suite::heads {
namespace {

const YearTable kProfit{.table = "mat_cal"};
const YearTable kAdditions{.table = "tbmatadddedn", .serialColumn = "srno", .fixed = {{"flagad", book_profit_codes::addition}}};
const YearTable kDeductions{.table = "tbmatadddedn", .serialColumn = "srno", .fixed = {{"flagad", book_profit_codes::deduction}}};

std::vector<GridColumn> adjustmentColumns() {
  return {{"Clause", "clause", CellType::choice({}), true},
          {"Particulars", "part", CellType::text(255)},
          {"Amount", "amt", CellType::money(), true}};
}

// "'fb(A) or fb(B)'": the parts a clause's amount goes to.
std::string partList(const std::vector<std::string>& parts) {
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : " or ") + p;
  return "'" + out + "'";
}

}  // namespace

BookProfitForm::BookProfitForm(host::Component& component)
    : HeadScreen(component, "ObjMat_Cal", "Book Profit u/s 115JB") {
  add(ui::ControlKind::frame, "famProfit", "Profit and Loss Account");
  profit_ = &addFields({{"txtNetProfit", "Net Profit as per Profit and Loss Account", "net_profit", CellType::loss()}},
                       "famProfit");
  additions_ = &addRowGrid({additions, "Addition", "Additions (Explanation 1 to section 115JB(2), clauses (a) to (k))",
                            adjustmentColumns(), true});
  deductions_ = &addRowGrid({deductions, "Deduction",
                             "Deductions (Explanation 1 to section 115JB(2), clauses (i) to (viii))", adjustmentColumns()});
  add(ui::ControlKind::label, "lblTotals");
  addCommands();
}

void BookProfitForm::readYear(db::Connection& conn) {
  const auto& clauses = BookProfitClauses::shipped();
  additions_->setChoices("clause", clauses.choices('A', year()));
  deductions_->setChoices("clause", clauses.choices('D', year()));
  readFields(conn, kProfit, *profit_);
  readGrid(conn, kAdditions, *additions_);
  readGrid(conn, kDeductions, *deductions_);
}

bool BookProfitForm::checkParts(RowGrid& grid, char flag) {
  // Where a clause has parts, the return and Form 29B show the amount by
  // part; on the clause itself it could not be reported.
  for (int r : grid.filledRows()) {
    const std::string clause = grid.code(r, "clause");
    const auto parts = BookProfitClauses::shipped().partsOf(flag, clause, year());
    if (parts.empty()) continue;
    grid.select(r, grid.columnIndex("clause"));
    return refuse("Please bifurcate clause '" + clause + "' details in " + partList(parts) + ".", grid.name());
  }
  return true;
}

bool BookProfitForm::checkYear() { return checkParts(*additions_, 'A') && checkParts(*deductions_, 'D'); }

void BookProfitForm::writeYear(db::Connection& conn) {
  // The year's row stands whenever anything is entered: without it the
  // computation would take no book profit and drop the adjustments.
  const bool anything = !profit_->blank() || !additions_->filledRows().empty() || !deductions_->filledRows().empty();
  replaceRows(conn, kProfit, code(), year(), anything ? std::vector<db::Pairs>{profit_->pairs()} : std::vector<db::Pairs>{});
  writeGrid(conn, kAdditions, *additions_);
  writeGrid(conn, kDeductions, *deductions_);
}

void BookProfitForm::refresh() {
  const Money added = additions_->total("amt"), deducted = deductions_->total("amt");
  const Money book = bookProfitOf(profit_->amount("txtNetProfit"), {{true, added}, {false, deducted}});
  (*this)["lblTotals"].caption = "Total Additions : " + added.grouped() + "    Total Deductions : " +
                                 deducted.grouped() + "    Book Profit : " + book.grouped();
}

namespace {
const host::ScreenRegistration registered{
    {.name = "ObjMat_Cal", .make = [](host::Component& c) { return std::make_shared<BookProfitForm>(c); }, .kept = true}};
}  // namespace

}  // namespace meridian::suite::heads
