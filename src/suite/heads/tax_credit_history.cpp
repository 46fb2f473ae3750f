#include "suite/heads/tax_credit_history.h"

namespace meridian::suite::heads {
namespace {

TaxCreditHistory rowsOf(db::Connection& conn, const std::string& code, int beforeYear) {
  TaxCreditHistory rows;
  std::map<int, long long> broughtInto;  // year of origin -> the carried_into its rows come from
  for (const auto& r : conn.query(std::string("SELECT ass_year, taxnormal, taxmatamt, creditutil, marker, carried_into "
                                              "FROM ") +
                                      kTaxCreditTable +
                                      " WHERE code_no = ? AND ass_year < ? AND carried_into <= ? "
                                      "ORDER BY ass_year, carried_into",
                                  {code, beforeYear, beforeYear})) {
    const int origin = static_cast<int>(r.integer("ass_year"));
    const long long into = r.integer("carried_into");
    // Rows come in rising carried_into: a later carry replaces what came before it.
    if (auto it = broughtInto.find(origin); it == broughtInto.end() || it->second != into) {
      rows[origin].clear();
      broughtInto[origin] = into;
    }
    rows[origin].push_back({r.integer("taxnormal"), r.integer("taxmatamt"), r.integer("creditutil"), r.text("marker")});
  }
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

void replaceTaxCreditRows(db::Connection& conn, const std::string& dataSet, const TaxCreditHistory& rows,
                          int carriedInto) {
  for (const auto& [year, list] : rows) {
    conn.execute(std::string("DELETE FROM ") + kTaxCreditTable +
                     " WHERE code_no = ? AND ass_year = ? AND carried_into = ?",
                 {dataSet, year, carriedInto});
    for (const auto& r : list)
      conn.execute(std::string("INSERT INTO ") + kTaxCreditTable +
                       " (code_no, ass_year, taxnormal, taxmatamt, creditutil, marker, carried_into) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)",
                   {dataSet, year, r.taxNormal, r.alternateTax, r.creditUsed, r.marker, carriedInto});
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
