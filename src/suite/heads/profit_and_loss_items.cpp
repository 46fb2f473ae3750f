#include "suite/heads/profit_and_loss_items.h"

#include "db/rows.h"

namespace meridian::suite::heads {
namespace {

// Stored codes. The prefix says which part of the business schedule an
// item belongs to: I an income credited, E an expense debited, P a firm's
// payment to its partners.
struct ItemKind {
  const char* code;
  const char* caption;
};
constexpr ItemKind kKinds[] = {
    {"ISAL", "Income credited of the head Salaries"},
    {"IHP", "Income credited of the head House Property"},
    {"ICG", "Income credited of the head Capital Gains"},
    {"IOS", "Income credited of the head Other Sources"},
    {"IFIRM", "Exempt income credited: Share of Profit from Firms"},
    {"IAOP", "Exempt income credited: Share of Income from AOP/BOI"},
    {"IEXM", "Exempt income credited: Other Exempt Income"},
    {"ESAL", "Expenses debited of the head Salaries"},
    {"EHP", "Expenses debited of the head House Property"},
    {"ECG", "Expenses debited of the head Capital Gains"},
    {"EOS", "Expenses debited of the head Other Sources"},
    {"EEXM", "Expenses debited relating to Exempt Income"},
    {"PREM", "Partners' Salary, Bonus, Commission debited"},
    {"PINT", "Partners' Interest debited"},
};

const std::map<std::string, OtherHead>& headsByCode() {
  static const std::map<std::string, OtherHead> heads{{"SAL", OtherHead::salaries},
                                                      {"HP", OtherHead::houseProperty},
                                                      {"CG", OtherHead::capitalGains},
                                                      {"OS", OtherHead::otherSources}};
  return heads;
}

}  // namespace

const char* otherHeadName(OtherHead h) {
  switch (h) {
    case OtherHead::salaries: return "Salaries";
    case OtherHead::houseProperty: return "House Property";
    case OtherHead::capitalGains: return "Capital Gains";
    case OtherHead::otherSources: return "Other Sources";
  }
  return "";
}

const std::vector<Choice>& profitAndLossItemKinds() {
  static const std::vector<Choice> list = [] {
    std::vector<Choice> l;
    for (const auto& k : kKinds) l.push_back({k.code, k.caption});
    return l;
  }();
  return list;
}

bool isPartnersItem(const std::string& code) { return code == "PREM" || code == "PINT"; }
bool isExemptExpenseItem(const std::string& code) { return code == "EEXM"; }

bool ProfitAndLossItems::add(const std::string& code, const Money& amount) {
  if (code == "IFIRM") firmShare += amount;
  else if (code == "IAOP") aopShare += amount;
  else if (code == "IEXM") otherExempt += amount;
  else if (code == "EEXM") exemptExpenses += amount;
  else if (code == "PREM") partnersRemuneration += amount;
  else if (code == "PINT") partnersInterest += amount;
  else if (code.size() > 1 && (code[0] == 'I' || code[0] == 'E')) {
    const auto head = headsByCode().find(code.substr(1));
    if (head == headsByCode().end()) return false;
    (code[0] == 'I' ? credited : debited)[head->second] += amount;
  } else {
    return false;
  }
  return true;
}

ProfitAndLossItems& ProfitAndLossItems::operator+=(const ProfitAndLossItems& o) {
  for (const auto& [h, m] : o.credited) credited[h] += m;
  for (const auto& [h, m] : o.debited) debited[h] += m;
  firmShare += o.firmShare;
  aopShare += o.aopShare;
  otherExempt += o.otherExempt;
  exemptExpenses += o.exemptExpenses;
  partnersRemuneration += o.partnersRemuneration;
  partnersInterest += o.partnersInterest;
  return *this;
}

Money ProfitAndLossItems::takenOffNetProfit() const {
  Money off = exemptCredited() - exemptExpenses;
  for (const auto& [h, m] : credited) off += m;
  for (const auto& [h, m] : debited) off -= m;
  return off;
}

std::map<long long, ProfitAndLossItems> readProfitAndLossItems(db::Connection& conn, const std::string& code,
                                                               int year) {
  std::map<long long, ProfitAndLossItems> byBusiness;
  if (!conn.hasTable(kProfitAndLossItemsTable)) return byBusiness;
  for (const auto& r : db::selectWhere(conn, kProfitAndLossItemsTable, {{"code_no", code}, {"ass_year", year}},
                                       {"business_no", "srno"}))
    byBusiness[r.integer("business_no")].add(r.text("item"), r.money("amount").value_or(Money()));
  return byBusiness;
}

}  // namespace meridian::suite::heads
