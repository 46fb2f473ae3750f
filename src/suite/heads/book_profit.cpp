#include "suite/heads/book_profit.h"

#include "db/migrations.h"
#include "db/rows.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::heads {

Money bookProfitOf(Money netProfit, const std::vector<BookAdjustment>& adjustments) {
  Money total = netProfit;
  for (const auto& a : adjustments) total += a.addition ? a.amount : -a.amount;
  return total;
}

void loadBookProfit(db::Connection& conn, const std::string& code, engine::YearInput& in) {
  const db::Pairs year{{"code_no", code}, {"ass_year", in.year}};
  const auto rows = db::selectWhere(conn, "mat_cal", year);
  if (rows.empty()) return;
  std::vector<BookAdjustment> adjustments;
  for (const auto& r : db::selectWhere(conn, "tbmatadddedn", year, {"flagad", "srno"}))
    adjustments.push_back({r.text("flagad") != book_profit_codes::deduction, r.money("amt").value_or(Money())});
  in.bookProfit = bookProfitOf(rows.front().money("net_profit").value_or(Money()), adjustments);
}

namespace {

std::vector<db::Migration> bookProfitMigrations() {
  return {{656, "book profit of a company for the minimum alternate tax",
           {
               // One row per data set and year: the net profit of the profit and loss account.
               "CREATE TABLE mat_cal (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
               "net_profit DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year))",
               // flagad: A added to the net profit, D deducted from it; clause: of
               // Explanation 1 to s.115JB(2) by its code in book_profit_clauses.csv,
               // e.g. "a" income-tax, "iii" loss or unabsorbed depreciation of the books.
               "CREATE TABLE tbmatadddedn (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
               "flagad VARCHAR(1) NOT NULL, srno INTEGER NOT NULL, clause VARCHAR(16) DEFAULT '', "
               "part VARCHAR(255) DEFAULT '', amt DECIMAL(15,2) DEFAULT 0, "
               "PRIMARY KEY (code_no, ass_year, flagad, srno))",
           }}};
}

const db::MigrationRegistration migrations{bookProfitMigrations};

void loadPart(db::Connection& conn, const YearSource& source, engine::YearInput& in, LoadNotes&) {
  loadBookProfit(conn, source.dataSet, in);
}
const YearInputPartRegistration part{"book profit", &loadPart};

}  // namespace
}  // namespace meridian::suite::heads
