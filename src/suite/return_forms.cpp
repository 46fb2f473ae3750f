#include "suite/return_forms.h"

#include <stdexcept>

#include "common/csv.h"
#include "common/embedded_files.h"

namespace meridian::suite {
namespace {

int yearField(const std::string& text, const std::string& where) {
  try {
    size_t used = 0;
    const int y = std::stoi(text, &used);
    if (used == text.size() && y >= 1950 && y <= 2100) return y;
  } catch (const std::exception&) {
  }
  throw std::runtime_error(where + "\"" + text + "\" is not a year such as 2016");
}

bool yesNo(const std::string& text, const std::string& where) {
  if (text == "yes") return true;
  if (text == "no") return false;
  throw std::runtime_error(where + "expected yes or no, not \"" + text + "\"");
}

std::vector<std::vector<std::string>> rowsOf(std::string_view csv, const std::vector<std::string>& header,
                                             const std::string& list) {
  auto rows = parseCsv(csv);
  if (rows.empty() || rows.front() != header) throw std::runtime_error(list + ": the first line must be the column titles");
  rows.erase(rows.begin());
  std::vector<std::vector<std::string>> out;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].size() == 1 && rows[i][0].empty()) continue;
    if (rows[i].size() != header.size())
      throw std::runtime_error(list + " line " + std::to_string(i + 2) + ": expected " + std::to_string(header.size()) +
                               " fields");
    out.push_back(rows[i]);
  }
  return out;
}

std::string shipped(const char* path) {
  auto bytes = embedded::find(path);
  if (!bytes) throw std::runtime_error(std::string("the program carries no ") + path);
  return std::string(*bytes);
}

}  // namespace

std::vector<ReturnFormSpan> parseReturnForms(std::string_view csv) {
  std::vector<ReturnFormSpan> out;
  for (const auto& f :
       rowsOf(csv, {"form", "first_year", "last_year", "caption", "option", "source"}, "return_forms.csv")) {
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
  for (const auto& f : rowsOf(csv, {"year", "forms", "efiling", "note"}, "return_years.csv")) {
    const std::string where = "return_years.csv, " + f[0] + ": ";
    out.push_back({yearField(f[0], where), yesNo(f[1], where), yesNo(f[2], where)});
  }
  return out;
}

namespace {
const std::vector<ReturnFormSpan>& forms() {
  static const auto list = parseReturnForms(shipped("data/return_forms.csv"));
  return list;
}
const std::vector<ReturnYear>& years() {
  static const auto list = parseReturnYears(shipped("data/return_years.csv"));
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
