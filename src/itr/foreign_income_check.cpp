// Schedule FSI before the return: where relief u/s 90, 90A or 91 is claimed
// the income from outside India must be given country by country and head by
// head, only under heads the form has, and no head's foreign income above the
// head's income in the computation (which includes it).
#include "itr/check_list.h"

namespace meridian::itr {

namespace {

const std::string kFsi = " in Schedule FSI (DTAA/Relief u/s 90,90A,91).";

struct Head {
  const char* code;
  const char* words;  // "Salary Income" ...
  Money (*computed)(const engine::IncomePots&);
};

const Head kHeads[] = {
    {"SAL", "Salary Income", [](const engine::IncomePots& p) { return p.salary; }},
    {"HP", "House Property Income", [](const engine::IncomePots& p) { return p.houseProperty; }},
    {"BP", "Business Income", [](const engine::IncomePots& p) { return p.business + p.speculation; }},
    {"CG", "Capital Gain Income",
     [](const engine::IncomePots& p) { return p.stcgOther + p.stcg111a + p.ltcgIndexed + p.ltcgWithoutIndexation; }},
    {"OS", "Other Sources Income", [](const engine::IncomePots& p) { return p.otherSourcesWhole(); }},
};

// The heads a form has no schedule for.
bool formLacks(const std::string& form, const std::string& head) {
  if (head == "SAL") return isOneOf(form, {"ITR-5", "ITR-6"});
  if (head == "BP") return isOneOf(form, {"ITR-2", "ITR-2A"});
  return false;
}

Money foreignIncomeOf(const ReturnYear& y, const std::string& head) {
  Money m;
  for (const auto& f : y.foreignIncome)
    if (f.head == head) m += f.income;
  return m;
}

}  // namespace

void foreignIncomeCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-2", "ITR-2A", "ITR-3", "ITR-4", "ITR-5", "ITR-6"})) return;
  const bool relief = !y.relief90.isZero() || !y.relief90A.isZero() || !y.relief91.isZero();
  if (!relief && y.foreignIncome.empty()) return;
  const std::string what = "Schedule FSI";
  if (y.missingTables.count("taxrelsch")) return c.notExamined(what, "Schedule FSI (table taxrelsch) is not kept here.");
  for (const auto& f : y.foreignIncome)
    if (f.country.empty() || f.tin.empty() || f.reliefSection.empty())
      return c.stop(what, "Please Fill Missing Details" + kFsi, "cmdproceed");
  bool headWise = !y.foreignIncome.empty();
  for (const auto& f : y.foreignIncome) headWise = headWise && !f.head.empty() && f.income > Money();
  if (!headWise) return c.stop(what, "Please Fill Head wise Income Details" + kFsi, "cmdproceed");
  for (const auto& h : kHeads) {
    const Money foreign = foreignIncomeOf(y, h.code);
    if (foreign > Money() && formLacks(r.form, h.code))
      return c.stop(what,
                    std::string(h.words) + " of Rs. " + foreign.rupeesText() + " reported in Schedule-FSI can not be shown in " +
                        r.form + ".",
                    "cmdproceed");
  }
  if (!y.result) return c.notExamined(what, "The income of each head is not known: " + y.computationNote);
  std::string above;
  for (const auto& h : kHeads) {
    const Money foreign = foreignIncomeOf(y, h.code), computed = h.computed(y.result->heads);
    if (foreign > computed)
      above += std::string(kCrLf) + h.words + " of Rs. " + foreign.rupeesText() + " should be <= Rs. " +
               computed.rupeesText();
  }
  if (!above.empty())
    return c.ask(what,
                 "You are advised to check following Incomes reported in Schedule-FSI with Incomes included in Total "
                 "Income." + std::string(kCrLf) + above + kTwoLines + "To Continue anyway, Click 'Yes'",
                 "cmdproceed");
  c.pass(what);
}

}  // namespace meridian::itr
