#pragma once
// The return forms the Board prescribed for an assessment year, and the years
// whose forms or e-filing this program cannot produce yet (data/return_forms.csv,
// data/return_years.csv).
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite {

// One form of the shared list: the years it was prescribed for and, for the
// forms the return screen offers as options, the option's caption (with its
// accelerator "&") and index in the option array; -1 for a fixed form.
struct ReturnFormSpan {
  std::string form;
  int firstYear = 0, lastYear = 0;
  std::string caption;
  int option = -1;
};
struct ReturnYear {
  int year = 0;
  bool forms = true, efiling = true;
};

// The key of the client store under which the return screen keeps the form
// chosen for a data set's year ("ITR-1" ...); the workspace shows it.
inline constexpr const char* kChosenFormKey = "ITRFORM";

std::vector<ReturnFormSpan> parseReturnForms(std::string_view csv);
std::vector<ReturnYear> parseReturnYears(std::string_view csv);

// The whole list, in its order.
const std::vector<ReturnFormSpan>& returnFormList();
// The forms of the year in the list's order ("ITR-1" ...).
std::vector<std::string> returnFormsOf(int year);
// Whether the program can produce the year's return forms and e-returns.
bool returnFormsAvailable(int year);
bool eFilingAvailable(int year);

}  // namespace meridian::suite
