#pragma once
// The statements printed around the computation from the year's own tables:
// the filing particulars of this year's return and of the previous year's,
// the disallowances of the business, the capital-gains statement, the taxes
// deducted, collected and paid, and the MAT or AMT credit tables.
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "db/connection.h"
#include "host/report_writer.h"
#include "suite/engine/year_result.h"

namespace meridian::suite::computation {

// A year's return as filed: what the register and the year's row hold.
struct FilingParticulars {
  std::string ackNo, filingDate, ward;
  std::optional<Money> returnedIncome;
  // The previous year's taxes from its summary row, for the estimation.
  std::vector<std::pair<std::string, Money>> taxes;
};

struct DisallowanceRow {  // business_disallowed
  std::string section, particulars;
  Money amount;
};

struct GainRow {  // a transfer of the capital table with its computed gain
  std::string description;
  bool longTerm = false;
  CivilDate acquired, transferred;
  Money fullValue, costAndExpenses, exempt, taxable;
};

struct TaxDeductedRow {  // tds: deducted, or collected u/s 206C
  std::string deductor, tan, address, section;
  Money paid, deducted, claimed;
  bool collected = false;
};

struct ChallanRow {  // adv_tax, self_tax
  std::string bsr, date, serial;
  Money amount;
};

struct CreditYearRow {  // one A.Y. of the MAT or AMT credit history
  int year = 0;
  Money normal, alternate, additional, used, lapsed, carried;
};

struct Statements {
  std::optional<FilingParticulars> thisYear, previousYear;
  std::vector<DisallowanceRow> disallowed;
  std::vector<GainRow> gains;
  std::vector<TaxDeductedRow> taxDeducted;
  std::vector<ChallanRow> advance, selfAssessment;
  engine::AlternateKind creditKind = engine::AlternateKind::none;
  std::vector<CreditYearRow> credits;
  std::vector<engine::TaxCredit> creditsBroughtForward;  // as the year took them
  int creditYears = 0;  // years a credit is carried, by the year's law (ss.115JAA(3A), 115JD(4))
};

struct StatementRequest {
  std::string client, dataSet;
  int year = 0;
  bool individualOrHuf = false;
};

// Reads what the year's tables hold; `result` gives the year's own credit
// row and the returned income.
Statements loadStatements(db::Connection& conn, const StatementRequest& r, const engine::YearResult& result,
                          const std::vector<engine::TaxCredit>& creditsBroughtForward);

// Which particulars of a return to print ("CompOth2" to "CompOth5").
struct FilingSwitches {
  bool returnIncome = false, receiptNo = false, wardNo = false, returnDate = false;
  bool any() const { return returnIncome || receiptNo || wardNo || returnDate; }
};

// "Return Filing Details :" of this year's return and "Previous Year Return
// Filing Details :", each row under its switch; the estimation adds the
// previous year's taxes.
void printFilingParticulars(host::ReportWriter& rep, const Statements& s, const FilingSwitches& on, bool estimate,
                            bool borders);
// "ALLOWED/DISALLOWED U/S ..." by section, with a "Total" row.
void printDisallowances(host::ReportWriter& rep, const Statements& s, int year, bool borders);
// "MAT/AMT credit": the credit history and its utilisation this year.
void printCreditTables(host::ReportWriter& rep, const Statements& s, int year, bool borders);
// "STATEMENT OF CAPITAL GAINS", one row per transfer.
void printCapitalGains(host::ReportWriter& rep, const Statements& s, bool borders);
// Taxes deducted and collected at source, advance and self-assessment tax.
void printTaxesPaid(host::ReportWriter& rep, const Statements& s, bool withAddress, bool borders);

}  // namespace meridian::suite::computation
