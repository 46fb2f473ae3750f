#include "itr/form_columns.h"

#include <sstream>
#include <stdexcept>

#include "suite/shipped_table.h"

namespace meridian::itr {
namespace {

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// The rows after the titles, each with the titles' number of fields; the
// first three fields are the forms and the span of years.
std::vector<std::vector<std::string>> rowsOf(std::string_view csv, const std::vector<std::string>& titles,
                                             const std::string& list, std::vector<FormYearRow>& spans) {
  auto rows = suite::shippedRows(csv, titles, list);
  for (const auto& row : rows) {
    const std::string where = list + ", " + row[0] + ": ";
    FormYearRow span{words(row[0]), suite::yearField(row[1], where), suite::yearField(row[2], where)};
    if (span.forms.empty()) throw std::runtime_error(where + "no form named");
    for (const auto& f : span.forms)
      if (f.rfind("ITR-", 0) != 0) throw std::runtime_error(where + "\"" + f + "\" is not a form code such as ITR-1");
    if (span.lastYear < span.firstYear) throw std::runtime_error(where + "the last year comes before the first");
    if (row.back().empty()) throw std::runtime_error(where + "every row names its source");
    spans.push_back(std::move(span));
  }
  return rows;
}

bool covers(const FormYearRow& row, const std::string& form, int year) {
  if (year < row.firstYear || year > row.lastYear) return false;
  for (const auto& f : row.forms)
    if (f == form) return true;
  return false;
}

}  // namespace

std::vector<TaxColumnsRow> parseTaxColumns(std::string_view csv) {
  const std::string list = "return_tax_columns.csv";
  std::vector<FormYearRow> spans;
  const auto rows = rowsOf(
      csv, {"forms", "first_year", "last_year", "salary_tds", "tcs", "spouse_claims", "tds_194ia", "source"}, list, spans);
  std::vector<TaxColumnsRow> out;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string where = list + ", " + rows[i][0] + ": ";
    const auto yes = [&](size_t column) { return suite::yesNoField(rows[i][column], where); };
    out.push_back({spans[i], {yes(3), yes(4), yes(5), yes(6)}});
  }
  return out;
}

std::vector<DeductionSectionsRow> parseDeductionSections(std::string_view csv) {
  const std::string list = "return_deduction_sections.csv";
  std::vector<FormYearRow> spans;
  const auto rows = rowsOf(csv, {"forms", "first_year", "last_year", "sections", "source"}, list, spans);
  std::vector<DeductionSectionsRow> out;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto sections = words(rows[i][3]);
    if (sections.empty()) throw std::runtime_error(list + ", " + rows[i][0] + ": no section listed");
    const std::set<std::string> unique(sections.begin(), sections.end());
    if (unique.size() != sections.size()) throw std::runtime_error(list + ", " + rows[i][0] + ": a section listed twice");
    out.push_back({spans[i], unique, sections});
  }
  return out;
}

std::optional<TaxCreditColumns> taxCreditColumns(const std::string& form, int year) {
  static const auto table = parseTaxColumns(suite::shippedText("data/return_tax_columns.csv"));
  for (const auto& r : table)
    if (covers(r, form, year)) return r.columns;
  return std::nullopt;
}

static const DeductionSectionsRow* deductionRowOf(const std::string& form, int year) {
  static const auto table = parseDeductionSections(suite::shippedText("data/return_deduction_sections.csv"));
  for (const auto& r : table)
    if (covers(r, form, year)) return &r;
  return nullptr;
}

std::optional<std::set<std::string>> deductionSectionsOf(const std::string& form, int year) {
  if (const auto* row = deductionRowOf(form, year)) return row->sections;
  return std::nullopt;
}

std::optional<std::vector<std::string>> deductionSectionOrderOf(const std::string& form, int year) {
  if (const auto* row = deductionRowOf(form, year)) return row->order;
  return std::nullopt;
}

}  // namespace meridian::itr
