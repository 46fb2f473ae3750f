#pragma once
// The return forms the Board prescribed for an assessment year, and the years
// whose forms or e-filing this program cannot produce yet (data/return_forms.csv,
// data/return_years.csv).
#include <string>
#include <string_view>
#include <vector>

namespace meridian::reg {

struct ReturnFormSpan {
  std::string form;
  int firstYear = 0, lastYear = 0;
};
struct ReturnYear {
  int year = 0;
  bool forms = true, efiling = true;
};

std::vector<ReturnFormSpan> parseReturnForms(std::string_view csv);
std::vector<ReturnYear> parseReturnYears(std::string_view csv);

// The forms of the year in the list's order ("ITR-1" ...).
std::vector<std::string> returnFormsOf(int year);
// Whether the program can produce the year's return forms and e-returns.
bool returnFormsAvailable(int year);
bool eFilingAvailable(int year);

}  // namespace meridian::reg
