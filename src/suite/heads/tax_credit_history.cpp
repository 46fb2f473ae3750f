#include "suite/heads/tax_credit_history.h"

namespace meridian::suite::heads {
namespace {

TaxCreditHistory rowsOf(db::Connection& conn, const std::string& code, int beforeYear) {
  TaxCreditHistory rows;
  for (const auto& r : conn.query(std::string("SELECT ass_year, taxnormal, taxmatamt, creditutil, marker FROM ") +
                                      kTaxCreditTable + " WHERE code_no = ? AND ass_year < ? ORDER BY ass_year",
                                  {code, beforeYear}))
    rows[static_cast<int>(r.integer("ass_year"))].push_back(
        {r.integer("taxnormal"), r.integer("taxmatamt"), r.integer("creditutil"), r.text("marker")});
  return rows;
}

}  // namespace

TaxCreditHistory taxCreditHistory(db::Connection& conn, const std::string& client, const std::string& dataSet,
                                  int beforeYear) {
  if (!conn.hasTable(kTaxCreditTable)) return {};
  TaxCreditHistory history = rowsOf(conn, dataSet, beforeYear);
  if (dataSet != client)
    for (auto& [year, rows] : rowsOf(conn, client, beforeYear)) history.try_emplace(year, std::move(rows));
  return history;
}

void replaceTaxCreditRows(db::Connection& conn, const std::string& dataSet, const TaxCreditHistory& rows) {
  for (const auto& [year, list] : rows) {
    conn.execute(std::string("DELETE FROM ") + kTaxCreditTable + " WHERE code_no = ? AND ass_year = ?",
                 {dataSet, year});
    for (const auto& r : list)
      conn.execute(std::string("INSERT INTO ") + kTaxCreditTable +
                       " (code_no, ass_year, taxnormal, taxmatamt, creditutil, marker) VALUES (?, ?, ?, ?, ?, ?)",
                   {dataSet, year, r.taxNormal, r.alternateTax, r.creditUsed, r.marker});
  }
}

std::vector<TaxCreditRow> taxCreditRowOf(const engine::AlternateTaxFigures& alternate, Money taxOnTotalIncome) {
  const bool alternateTax = alternate.kind != engine::AlternateKind::none;
  if (!alternateTax && alternate.creditUsed <= Money()) return {};
  // Only companies pay MAT; a person without alternate tax this year who
  // used credit used AMT credit.
  const std::string marker = alternate.kind == engine::AlternateKind::mat ? "B" : "C";
  return {{taxOnTotalIncome.wholeRupees(), alternateTax ? alternate.total().wholeRupees() : 0,
           alternate.creditUsed.wholeRupees(), marker}};
}

}  // namespace meridian::suite::heads
