#pragma once
// What each return form of a year can carry, from the shipped tables
// data/return_tax_columns.csv (the kinds of tax credit and the spouse's
// column) and data/return_deduction_sections.csv (the Chapter VI-A sections
// its schedule lists). Nothing when the table holds no row for the form and
// year: the checks that rest on it then say so.
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace meridian::itr {

struct TaxCreditColumns {
  bool salaryTds = true, tcs = true, spouseClaims = true, tds194IA = true;
};

struct FormYearRow {
  std::vector<std::string> forms;
  int firstYear = 0, lastYear = 0;
};

struct TaxColumnsRow : FormYearRow {
  TaxCreditColumns columns;
};
struct DeductionSectionsRow : FormYearRow {
  std::set<std::string> sections;
  std::vector<std::string> order;  // as the form's schedule lists them: the e-return writes them so
};

// Parsers, strict: a malformed table names its line and what is wrong.
std::vector<TaxColumnsRow> parseTaxColumns(std::string_view csv);
std::vector<DeductionSectionsRow> parseDeductionSections(std::string_view csv);

std::optional<TaxCreditColumns> taxCreditColumns(const std::string& form, int year);
std::optional<std::set<std::string>> deductionSectionsOf(const std::string& form, int year);
// The same sections in the order of the form's schedule.
std::optional<std::vector<std::string>> deductionSectionOrderOf(const std::string& form, int year);

}  // namespace meridian::itr
