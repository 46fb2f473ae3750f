// The capital gains deemed to arise in the year, before the return: each
// row's section must be one the form's schedule of capital gains lists for
// a gain of its term, and an amount left unused in the capital gains
// account falls due only in the previous year in which the section's time
// runs out from the original transfer, once per section and year.
#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "common/years.h"
#include "itr/check_list.h"

namespace meridian::itr {
namespace {

struct FormSections {
  std::vector<const char*> forms;
  std::vector<std::string> shortTerm, longTerm;
};

// ss.54, 54F and 54GB reach only individuals and HUFs, s.54B individuals and
// HUFs farming the land, and ss.54D, 54G and 54GA land, buildings and plant
// of an industrial undertaking, which a return without a business has not.
// A short-term gain has only the sections that do not ask for a long-term
// asset: 54B, 54D, 54G, 54GA.
const std::vector<FormSections>& formSections() {
  static const std::vector<FormSections> list{
      {{"ITR-2", "ITR-3"}, {"54B"}, {"54", "54B", "54EC", "54F", "54GB"}},
      {{"ITR-4"}, {"54B", "54D", "54G", "54GA"}, {"54", "54B", "54D", "54EC", "54F", "54G", "54GA", "54GB"}},
      {{"ITR-5", "ITR-6"}, {"54D", "54G", "54GA"}, {"54D", "54EC", "54G", "54GA"}},
  };
  return list;
}

// The years from the original transfer within which the amount deposited in
// the capital gains account must be used for the new asset; what is left is
// charged in the previous year in which they run out (ss.54(2), 54B(2),
// 54D(2), 54F(4), 54G(2), 54GA(2)). s.54EC and s.54GB have no such account.
const std::vector<std::pair<std::string, int>>& accountYears() {
  static const std::vector<std::pair<std::string, int>> list{
      {"54", 3}, {"54B", 2}, {"54D", 3}, {"54F", 3}, {"54G", 3}, {"54GA", 3}};
  return list;
}

int yearsOf(const std::string& section) {
  for (const auto& [s, years] : accountYears())
    if (s == section) return years;
  return 0;
}

std::string joined(const std::vector<std::string>& sections) {
  std::string out;
  for (const auto& s : sections) out += (out.empty() ? "" : "/") + s;
  return out;
}

bool listed(const std::vector<std::string>& sections, const std::string& section) {
  return std::find(sections.begin(), sections.end(), section) != sections.end();
}

}  // namespace

void deemedGainsCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  const auto form = std::find_if(formSections().begin(), formSections().end(), [&](const FormSections& f) {
    return std::any_of(f.forms.begin(), f.forms.end(), [&](const char* code) { return r.form == code; });
  });
  if (form == formSections().end()) return;
  const std::string what = "Deemed capital gains";
  if (y.missingTables.count("capital_deemed") || y.missingTables.count("capital_deemn"))
    return c.notExamined(what, "The deemed capital gains (tables capital_deemed, capital_deemn) are not kept here.");
  // The previous year of the return: its first year.
  const int thisPreviousYear = y.year - 1;
  std::set<std::tuple<bool, int, std::string>> seen;
  for (const auto& g : y.deemedGains) {
    if (g.section.empty())
      return c.stop(what, "Please Specify 'Section under which deduction claimed' in Capital Gain.", "cmdproceed");
    const auto& sections = g.longTerm ? form->longTerm : form->shortTerm;
    if (!g.unused) {
      if (!listed(sections, g.section))
        return c.stop(what,
                      std::string(g.longTerm ? "Deemed Long-term" : "Deemed short-term") +
                          " capital gain is allowed only u/s '" + joined(sections) + "'.",
                      "cmdproceed");
      continue;
    }
    const std::string prefix = std::string("Deemed ") + (g.longTerm ? "Long-term" : "Short-term") +
                               " capital gain being Amount not used for new asset or remained unutilized in Capital "
                               "gains account for previous year '" +
                               (g.previousYear > 0 ? assessmentYearText(g.previousYear) : "") + "'";
    std::vector<std::string> due;
    for (const auto& s : sections)
      if (yearsOf(s) > 0 && g.previousYear + yearsOf(s) == thisPreviousYear) due.push_back(s);
    if (due.empty()) return c.stop(what, prefix + " is not allowed.", "cmdproceed");
    if (!listed(due, g.section)) return c.stop(what, prefix + " is allowed only u/s '" + joined(due) + "'.", "cmdproceed");
    if (!seen.insert({g.longTerm, g.previousYear, g.section}).second)
      return c.stop(what, prefix + " is allowed only once u/s '" + g.section + "'.", "cmdproceed");
  }
  c.pass(what);
}

}  // namespace meridian::itr
