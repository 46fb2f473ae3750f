#pragma once
// The MAT/AMT credit table (taxcr115jbc1) as the years of a client read it.
//
// A row is one year of origin as one data set computed or recorded it: the
// year's tax on total income (taxnormal), its alternate tax (taxmatamt), the
// credit of earlier years it used (creditutil) and the marker, B for MAT or C
// for AMT. The computation of a year writes its own row under its data set;
// nothing writes a year's row under a later year.
//
// A data set's history of the years before its own is its own rows where it
// has them and the client's (the original returns') for the other years, so a
// revision or an order sees the same earlier years as the original, and each
// year of origin is counted once.
//
// Opening a year may bring the settled figures of an earlier year (a revised
// return's) in place of the data set's own: those rows are kept apart, marked
// with the year they were brought into (carried_into; 0 for a year's own
// row), so that computing the earlier year again rewrites only its own row
// and the later years still read the figures chosen for them. A year reads,
// for each year of origin, the rows brought into the latest year up to it,
// else the year's own.
#include <map>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_result.h"

namespace meridian::suite::heads {

inline constexpr const char* kTaxCreditTable = "taxcr115jbc1";

struct TaxCreditRow {
  long long taxNormal = 0, alternateTax = 0, creditUsed = 0;  // rupees
  std::string marker;
  bool operator==(const TaxCreditRow&) const = default;
};

// Year of origin -> its rows, as the data set reads them.
using TaxCreditHistory = std::map<int, std::vector<TaxCreditRow>>;

// The years before `beforeYear` that the data set of the client reads; empty
// when the table is not installed.
TaxCreditHistory taxCreditHistory(db::Connection& conn, const std::string& client, const std::string& dataSet,
                                  int beforeYear);

// Replaces the rows of the data set for the given years with those given,
// inside the caller's transaction: the years' own rows, or with
// `carriedInto` the rows brought into that year.
void replaceTaxCreditRows(db::Connection& conn, const std::string& dataSet, const TaxCreditHistory& rows,
                          int carriedInto = 0);

// The row a computed year leaves for the years after it: its tax on total
// income, its alternate tax and the credit it used; none when the year had
// no alternate tax and used no credit.
std::vector<TaxCreditRow> taxCreditRowOf(const engine::AlternateTaxFigures& alternate, Money taxOnTotalIncome);

}  // namespace meridian::suite::heads
