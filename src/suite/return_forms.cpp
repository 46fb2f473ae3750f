#include "suite/return_forms.h"

#include <stdexcept>

#include "suite/shipped_table.h"

namespace meridian::suite {

std::vector<ReturnFormSpan> parseReturnForms(std::string_view csv) {
  std::vector<ReturnFormSpan> out;
  for (const auto& f :
       shippedRows(csv, {"form", "first_year", "last_year", "caption", "option", "source"}, "return_forms.csv")) {
    const std::string where = "return_forms.csv, " + f[0] + ": ";
    ReturnFormSpan s{f[0], yearField(f[1], where), yearField(f[2], where), f[3], -1};
    if (s.form.rfind("ITR-", 0) != 0) throw std::runtime_error(where + "a form code begins with ITR-");
    if (s.lastYear < s.firstYear) throw std::runtime_error(where + "the last year comes before the first");
    if (!f[4].empty()) {
      if (f[4].size() != 1 || f[4][0] < '0' || f[4][0] > '5')
        throw std::runtime_error(where + "the option is an index from 0 to 5, not \"" + f[4] + "\"");
      s.option = f[4][0] - '0';
    }
    if (s.caption.empty() != (s.option < 0))
      throw std::runtime_error(where + "a form offered as an option has a caption, and only such a form");
    if (f[5].empty()) throw std::runtime_error(where + "every form names its source");
    out.push_back(std::move(s));
  }
  return out;
}

std::vector<ReturnYear> parseReturnYears(std::string_view csv) {
  std::vector<ReturnYear> out;
  for (const auto& f : shippedRows(csv, {"year", "forms", "efiling", "note"}, "return_years.csv")) {
    const std::string where = "return_years.csv, " + f[0] + ": ";
    out.push_back({yearField(f[0], where), yesNoField(f[1], where), yesNoField(f[2], where)});
  }
  return out;
}

namespace {
const std::vector<ReturnFormSpan>& forms() {
  static const auto list = parseReturnForms(shippedText("data/return_forms.csv"));
  return list;
}
const std::vector<ReturnYear>& years() {
  static const auto list = parseReturnYears(shippedText("data/return_years.csv"));
  return list;
}
}  // namespace

const std::vector<ReturnFormSpan>& returnFormList() { return forms(); }

std::vector<std::string> returnFormsOf(int year) {
  std::vector<std::string> out;
  for (const auto& f : forms())
    if (f.firstYear <= year && year <= f.lastYear) out.push_back(f.form);
  return out;
}

bool returnFormsAvailable(int year) {
  for (const auto& y : years())
    if (y.year == year) return y.forms;
  return true;
}

bool eFilingAvailable(int year) {
  for (const auto& y : years())
    if (y.year == year) return y.efiling;
  return true;
}

}  // namespace meridian::suite
