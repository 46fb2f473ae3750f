#include "suite/year_computation.h"

#include <algorithm>

#include "common/text.h"
#include "common/years.h"
#include "db/connection.h"
#include "suite/heads/tax_credit_history.h"
#include "suite/heads/year_input_loader.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/summary_row.h"
#include "suite/engine/year_law.h"

namespace meridian::suite {
namespace {

// Every part of a year's input, by the names the heads register their
// readers under (business, capital gains and agriculture are read together).
const std::vector<std::string>& partsOfTheYear() {
  static const std::vector<std::string> parts = {
      "salary", "house property", "business, capital gains and agriculture", "other sources",
      "losses", "deductions", "taxes paid", "relief", "MAT/AMT credit"};
  return parts;
}

std::vector<std::string> partsNotReadYet() {
  const std::vector<std::string> read = heads::yearInputParts();
  std::vector<std::string> unread;
  for (const auto& part : partsOfTheYear())
    if (std::find(read.begin(), read.end(), part) == read.end()) unread.push_back(part);
  return unread;
}

std::string listed(const std::vector<std::string>& parts, const std::string& separator = ", ") {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? separator : "") + parts[i];
  return out;
}

}  // namespace

LoadedYear loadYearFromTables(host::Base& base, const std::string& client, const std::string& dataSet, int year) {
  return loadYearFromDatabase(base.DbObj(), client, dataSet, year);
}

LoadedYear loadYearFromDatabase(db::Connection& conn, const std::string& client, const std::string& dataSet, int year) {
  try {
    heads::LoadedYear read = heads::loadYearInput(conn, {client, dataSet, year});
    return {std::move(read.input), partsNotReadYet(), std::move(read.notes)};
  } catch (const heads::CannotLoadYear& e) {
    throw engine::CannotCompute("The year cannot be computed: " + std::string(e.what()) + ".");
  }
}

YearComputation computeLoadedYear(const std::string& dataSet, int year, LoadedYear loaded) {
  const engine::YearLaw* law = engine::lawOf(year);
  if (!law) throw engine::CannotCompute("The computation engine does not compute A.Y. " + assessmentYearText(year) + ".");
  YearComputation c{dataSet, year, std::move(loaded.unread), std::move(loaded.notes), engine::computeYear(loaded.input), {}};
  c.figures = engine::resultContextOf(c.result, *law);
  return c;
}

void EngineComputation::ITCalcProc() {
  const std::string code = client_.vt_RTCode_No.get().empty() ? client_.vT_Code_No.get() : client_.vt_RTCode_No.get();
  const int year = client_.vT_Year.get();
  if (!engine::lawOf(year))
    throw engine::CannotCompute("The computation engine does not compute A.Y. " + assessmentYearText(year) + ".");
  YearComputation c = computeLoadedYear(code, year, loader(base_, client_.vT_Code_No.get(), code, year));
  const engine::ResultContext& f = c.figures;
  results_.figures = {
      {"vTot_ITTAX", f.vTot_ITTAX},       {"vSurcharge", f.vSurcharge},     {"VEducess", f.VEducess},
      {"vINT_Payable", f.vINT_Payable},   {"Vall_tds_tot", f.Vall_tds_tot}, {"vall_tcs_tot", f.vall_tcs_tot},
      {"Vtot_adv_tax", f.Vtot_adv_tax},   {"vtot_self_tax", f.vtot_self_tax}, {"vi_tax_tot", f.vi_tax_tot},
      {"VChVIADedTot", f.VChVIADedTot},   {"vTotRelief", f.vTotRelief},
      {"vRoundedOffToNearest10", f.vRoundedOffToNearest10},
      {"GrossTotalIncome", c.result.grossTotalIncome},
      // Tax after relief with its interest, before the taxes paid: what an order compares.
      {"Vtaxbefadvtax", c.result.netTax + f.vINT_Payable},
  };
  last_ = std::move(c);
}

void writeResultRows(db::Connection& conn, const YearComputation& c) {
  if (!c.unread.empty())
    throw std::runtime_error("The result tables were not rewritten: the computation does not read the year's " +
                             listed(c.unread) + " yet.");
  if (!c.notes.empty()) throw std::runtime_error("The result tables were not rewritten: " + listed(c.notes, " "));
  const engine::SummaryRow row = engine::summaryRowOf(c.result, c.figures);
  std::string columns = "code_no, assyear", marks = "?, ?";
  db::Params params{c.code, std::to_string(c.year)};
  for (size_t i = 0; i < row.size(); ++i) {
    columns += ", a" + std::to_string(i + 1);
    marks += ", ?";
    params.emplace_back(static_cast<long long>(row[i].wholeRupees()));
  }
  auto tx = conn.begin();
  conn.execute("DELETE FROM adv_n WHERE code_no = ? AND assyear = ?", {c.code, std::to_string(c.year)});
  conn.execute("INSERT INTO adv_n (" + columns + ") VALUES (" + marks + ")", params);
  // The year's own MAT/AMT row, which the years after it read as its credit.
  if (conn.hasTable(heads::kTaxCreditTable))
    heads::replaceTaxCreditRows(conn, c.code,
                                {{c.year, heads::taxCreditRowOf(c.result.alternate, c.result.tax.liability())}});
  tx.commit();
}

void EngineComputation::writeResultTables() {
  const std::string code = client_.vt_RTCode_No.get().empty() ? client_.vT_Code_No.get() : client_.vt_RTCode_No.get();
  const int year = client_.vT_Year.get();
  if (!last_ || last_->code != code || last_->year != year)
    throw std::runtime_error("The year has not been computed; its result tables were not rewritten.");
  writeResultRows(base_.DbObj(), *last_);
}

}  // namespace meridian::suite
