#include "itr/form_columns.h"

#include <sstream>
#include <stdexcept>

#include "common/csv.h"
#include "common/embedded_files.h"

namespace meridian::itr {
namespace {

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

int yearOf(const std::string& text, const std::string& where) {
  if (text.size() == 4 && text.find_first_not_of("0123456789") == std::string::npos) return std::stoi(text);
  throw std::runtime_error(where + "\"" + text + "\" is not a year such as 2016");
}

bool yesNo(const std::string& text, const std::string& where) {
  if (text == "yes") return true;
  if (text == "no") return false;
  throw std::runtime_error(where + "expected yes or no, not \"" + text + "\"");
}

// The rows after the titles, each with the titles' number of fields; the
// first three fields are the forms and the span of years.
std::vector<std::vector<std::string>> rowsOf(std::string_view csv, const std::vector<std::string>& titles,
                                             const std::string& list, std::vector<FormYearRow>& spans) {
  auto rows = parseCsv(csv);
  if (rows.empty() || rows.front() != titles) throw std::runtime_error(list + ": the first line must be the column titles");
  std::vector<std::vector<std::string>> out;
  for (size_t i = 1; i < rows.size(); ++i) {
    if (rows[i].size() == 1 && rows[i][0].empty()) continue;
    const std::string where = list + " line " + std::to_string(i + 1) + ": ";
    if (rows[i].size() != titles.size())
      throw std::runtime_error(where + "expected " + std::to_string(titles.size()) + " fields");
    FormYearRow span{words(rows[i][0]), yearOf(rows[i][1], where), yearOf(rows[i][2], where)};
    if (span.forms.empty()) throw std::runtime_error(where + "no form named");
    for (const auto& f : span.forms)
      if (f.rfind("ITR-", 0) != 0) throw std::runtime_error(where + "\"" + f + "\" is not a form code such as ITR-1");
    if (span.lastYear < span.firstYear) throw std::runtime_error(where + "the last year comes before the first");
    if (rows[i].back().empty()) throw std::runtime_error(where + "every row names its source");
    spans.push_back(std::move(span));
    out.push_back(rows[i]);
  }
  return out;
}

bool covers(const FormYearRow& row, const std::string& form, int year) {
  if (year < row.firstYear || year > row.lastYear) return false;
  for (const auto& f : row.forms)
    if (f == form) return true;
  return false;
}

std::string shipped(const char* path) {
  auto bytes = embedded::find(path);
  if (!bytes) throw std::runtime_error(std::string("the program carries no ") + path);
  return std::string(*bytes);
}

}  // namespace

std::vector<TaxColumnsRow> parseTaxColumns(std::string_view csv) {
  const std::string list = "return_tax_columns.csv";
  std::vector<FormYearRow> spans;
  const auto rows = rowsOf(csv, {"forms", "first_year", "last_year", "salary_tds", "tcs", "spouse_claims", "tds_194ia", "source"},
                           list, spans);
  std::vector<TaxColumnsRow> out;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string where = list + ", " + rows[i][0] + ": ";
    out.push_back({spans[i],
                   {yesNo(rows[i][3], where), yesNo(rows[i][4], where), yesNo(rows[i][5], where),
                    yesNo(rows[i][6], where)}});
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
    out.push_back({spans[i], {sections.begin(), sections.end()}});
  }
  return out;
}

std::optional<TaxCreditColumns> taxCreditColumns(const std::string& form, int year) {
  static const auto table = parseTaxColumns(shipped("data/return_tax_columns.csv"));
  for (const auto& r : table)
    if (covers(r, form, year)) return r.columns;
  return std::nullopt;
}

std::optional<std::set<std::string>> deductionSectionsOf(const std::string& form, int year) {
  static const auto table = parseDeductionSections(shipped("data/return_deduction_sections.csv"));
  for (const auto& r : table)
    if (covers(r, form, year)) return r.sections;
  return std::nullopt;
}

}  // namespace meridian::itr
