// The checks before a return that read the business tables: a firm's or an
// association's partners and members, a company's book profit, and the
// business schedule (a partner's remuneration against the firm's rows, the
// profit and loss account: of a business without books, the amounts of
// other heads and of the partners within it, and what Schedule BP can not
// show).
#include <algorithm>
#include <regex>

#include "itr/check_list.h"
#include "suite/heads/book_profit_clauses.h"

namespace meridian::itr {
namespace {

constexpr long long kWholeShare = 100 * 10000;  // 100 % in ten-thousandths

// ITR-5: the partners of a firm or the members of an association, as the
// register links them to the client, with their shares from the firm's rows.
void membersCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-5" || y.statusCode == "LA" || y.statusCode == "AJP") return;
  const std::string what = "Partners and members";
  if (y.missingTables.count("owner1") || y.missingTables.count("part_remu"))
    return c.notExamined(what, "The partners' and members' particulars (tables owner1, part_remu) are not kept here.");
  const size_t least = y.statusCode == "PDT" ? 1 : 2;
  if (y.members.size() < least)
    return c.stop(what, "Please Specify atleast " + std::to_string(least) + " Partner/Member Info in General Information.",
                  "cmdproceed");
  if (y.statusCode == "FIRM" || y.statusCode == "LLP") {
    long long total = 0;
    for (const auto& m : y.members) total += m.shareTenThousandths;
    if (total != kWholeShare)
      return c.stop(what, "Total Share should be exactly 100% in Partner/Member Info in General Information.",
                    "cmdproceed");
  }
  for (const auto& m : y.members)
    if (m.status.empty())
      return c.stop(what, "Please Specify 'Status' in General Information -> Partner/Member Info.", "cmdproceed");
  c.pass(what);
  designatedPartnersCheck(c, y, r);
}

// ITR-6: the book profit is adjusted clause by clause of Explanation 1 to
// s.115JB(2) as the year's form lists them; an adjustment under a clause the
// year's Schedule MAT does not list, or under a clause the form takes by its
// parts, was made by an older form's method.
void bookProfitMethodCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-6") return;
  const std::string what = "Method of s.115JB";
  if (y.missingTables.count("tbmatadddedn"))
    return c.notExamined(what, "The adjustments of the book profit (table tbmatadddedn) are not kept here.");
  const auto& clauses = suite::heads::BookProfitClauses::shipped();
  for (const auto& kept : y.bookProfitClauses) {
    const char flag = kept.empty() ? ' ' : kept[0];
    const std::string code = kept.size() > 2 ? kept.substr(2) : "";
    const auto ofYear = clauses.of(flag, y.year);
    const bool listed = std::any_of(ofYear.begin(), ofYear.end(), [&](const auto& cl) { return cl.code == code; });
    if (!listed || !clauses.partsOf(flag, code, y.year).empty())
      return c.stop(what,
                    "Method for Determine Higher Tax u/s 115JB is not correct as per New Form ITR-6. Please select "
                    "appropriate method in MAT Calculation.",
                    "cmdproceed");
  }
  c.pass(what);
}

// A partner is taxed on the salary and interest the firm pays him (s.28(v));
// where the firm is a client of the practice, its rows say what it paid.
void partnersRemunerationCheck(Checks& c, const ReturnYear& y) {
  const std::string what = "Partner's remuneration";
  for (const auto& firm : y.firms) {
    if (!firm.firmsSalary || !firm.firmsInterest) continue;
    std::string differences;
    auto compare = [&](const char* item, const Money& here, const Money& firms) {
      if (here != firms)
        differences += std::string(kCrLf) + item + " : Rs. " + here.groupedRupees() + " shown here, Rs. " +
                       firms.groupedRupees() + " in the Firm's Partners' Remuneration Details";
    };
    compare("Salary, Bonus", firm.salary, *firm.firmsSalary);
    compare("Interest on Capital", firm.interest, *firm.firmsInterest);
    if (!differences.empty())
      return c.ask(what,
                   "Remuneration from Firm [" + firm.name + "] does not match the Firm's Partners' Remuneration "
                   "Details :" + differences + kTwoLines + "Continue ?",
                   "cmdproceed");
  }
  if (!y.firms.empty()) c.pass(what);
}

// The PAN of each AOP or BOI of which the client is a member: a PAN at all,
// one of an association or body (its fourth character A or B), and not the
// client's own.
void memberShareCheck(Checks& c, const ReturnYear& y) {
  if (y.aopShares.empty()) return;
  const std::string what = "Share of income as member of AOP/BOI";
  static const std::regex pan("[A-Z]{5}[0-9]{4}[A-Z]");
  for (const auto& a : y.aopShares) {
    if (!std::regex_match(a.pan, pan))
      return c.stop(what, "Please specify valid 'PAN' in 'Share of Income as Member of AOP/BOI' Details.",
                    "cmdproceed");
    if (a.pan[3] != 'A' && a.pan[3] != 'B')
      return c.stop(what,
                    "PAN [" + a.pan + "] of AOP/BOI [" + a.name +
                        "] is not the PAN of an Association of Persons or Body of Individuals.",
                    "cmdproceed");
    if (a.pan == y.pan)
      return c.stop(what, "PAN of AOP/BOI [" + a.name + "] can not be the PAN of the Assessee.", "cmdproceed");
    if (a.basis.empty())
      return c.stop(what, "Please specify how AOP/BOI [" + a.name + "] is taxed in 'Share of Income as Member of "
                          "AOP/BOI' Details.",
                    "cmdproceed");
  }
  c.pass(what);
}

// The profit and loss account of a business outside the presumptive
// sections. A company keeps books by law; another assessee marked as
// keeping accounts (s.44AA) or audited, or whose General Information says
// regular books are kept, has no "No Account Case" to fill.
void noAccountCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  const bool booksKept = r.form == "ITR-6" || y.liable44AA || y.audit44AB || y.auditTicked ||
                         (y.noAccount && y.noAccount->booksMaintained);
  if (booksKept) return;
  const std::string what = "Sch-PL (No Account Case)";
  if (!y.noAccount)
    return c.notExamined(what,
                         "The year is not marked as keeping accounts (s.44AA) or audited, and the gross profit and "
                         "expenses of a business without accounts are not entered in General Information, so 'Net "
                         "Profit should be Gross Profit - Expenses' could not be examined.");
  if (y.noAccount->netProfit != y.noAccount->impliedNetProfit())
    return c.stop(what, "Sch-PL (No Account Case) : Net Profit should be Gross Profit - Expenses", "cmdproceed");
  c.pass(what);
}

// What the profit and loss account credits of other heads and of exempt
// income is taken off the business income (Schedule BP, items 3 and 5), and
// what it debits of them added back (items 7 and 8). An income taken off
// must be shown under its own head, or it escapes tax; an exempt income
// taken off may not exceed what the exempt income details give.
bool headGiven(const ReturnYear& y, suite::heads::OtherHead h) {
  const engine::YearResult& r = *y.result;
  switch (h) {
    case suite::heads::OtherHead::salaries: return !r.salaries.empty();
    case suite::heads::OtherHead::houseProperty: return y.houses > 0 || !r.houses.empty();
    case suite::heads::OtherHead::capitalGains:
      return y.capitalGainRows > 0 || y.depreciableAssetGains > 0 || !r.capitalGains.total().isZero();
    case suite::heads::OtherHead::otherSources: {
      const auto& o = r.otherSources;
      return !o.normal.isZero() || !o.apart.total().isZero() || !o.interest.isZero() || !o.dividend.isZero() ||
             !o.other.isZero() || !o.familyPension.isZero() || !o.raceHorses.isZero();
    }
  }
  return false;
}

void otherHeadsCheck(Checks& c, const ReturnYear& y) {
  const std::string what = "Other heads in Schedule BP";
  if (!y.profitAndLossItems)
    return c.notExamined(what, "The incomes of other heads and exempt incomes within the profit and loss account "
                               "(table business_plitems) are not kept here.");
  if (!y.result) return c.notExamined(what, "The income of each head is not known: " + y.computationNote);
  const auto& items = *y.profitAndLossItems;
  for (const auto head : suite::heads::kOtherHeads) {
    const Money credited = items.credited.count(head) ? items.credited.at(head) : Money();
    const Money debited = items.debited.count(head) ? items.debited.at(head) : Money();
    if ((credited.isZero() && debited.isZero()) || headGiven(y, head)) continue;
    const std::string name = suite::heads::otherHeadName(head);
    if (!credited.isZero())
      return c.stop(what,
                    "Income of Rs. " + credited.groupedRupees() + " credited to P&L is taken off the business income "
                    "in Schedule-BP as income under the head '" + name + "', but no income under the head '" + name +
                    "' is given.",
                    "cmdproceed");
    return c.ask(what,
                 "Expenses of Rs. " + debited.groupedRupees() + " debited to P&L are added back to the business "
                 "income in Schedule-BP as expenses under the head '" + name + "', but no income under the head '" +
                 name + "' is given." + kTwoLines + "Continue ?",
                 "cmdproceed");
  }
  Money firmShares, aopShares;
  for (const auto& f : y.firms) firmShares += f.shareOfProfit;
  for (const auto& a : y.aopShares) aopShares += a.share;
  const Money exemptGiven = y.exemptIncomeEntered + y.result->agricultural;
  const struct {
    const char* item;
    Money credited, given;
    const char* details;
  } exempt[] = {
      {"Share of Profit from Firms", items.firmShare, firmShares, "'Income from Firms in which Partner' Details"},
      {"Share of Income from AOP/BOI", items.aopShare, aopShares, "'Share of Income as Member of AOP/BOI' Details"},
      {"Other Exempt Income", items.otherExempt, exemptGiven, "'Exempt Income Details'"},
  };
  for (const auto& e : exempt)
    if (e.credited > e.given)
      return c.stop(what,
                    std::string(e.item) + " of Rs. " + e.credited.groupedRupees() + " credited to P&L is more than Rs. " +
                        e.given.groupedRupees() + " given in " + e.details + ".",
                    "cmdproceed");
  c.pass(what);
}

// Each speculation profit is entered beside the ordinary net profit
// (income_business.spec_profit) and each specified business's profit with
// its own capital expenditure (business_35ad); the ordinary net profit holds
// neither, and the business schedule's items 2a and 2b and its parts B and C
// are filled from those same figures. The difference the department's form
// looks for, between the profit within the account and the profit computed
// apart, therefore cannot arise: the check passes and says why.
void speculationAndSpecifiedCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-4", "ITR-5", "ITR-6"})) return;
  const bool speculation = y.result && !y.result->business.speculation.isZero();
  if (!speculation && !y.specifiedBusiness35AD) return;
  c.pass("Speculation and specified business profits",
         "The speculation profit and the profit of a specified business u/s 35AD are each entered once, apart from "
         "the ordinary net profit, and Schedule BP shows them from the same figures, so no difference can arise.");
}

// A firm's partners' salary, bonus, commission and interest debited to its
// accounts against what the firm's rows for the year pay each partner. A
// firm whose income is all presumed has no account in the return.
void partnersInAccountsCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-5" || (y.statusCode != "FIRM" && y.statusCode != "LLP") || y.members.empty() ||
      y.businessesOutsidePresumptive == 0)
    return;
  const std::string what = "Partners' remuneration in Sch-PL";
  if (!y.profitAndLossItems)
    return c.notExamined(what, "The partners' remuneration and interest debited to the profit and loss account "
                               "(table business_plitems) are not kept here, so the Partners' Remuneration Details "
                               "could not be compared with them.");
  Money remuneration, interest;
  for (const auto& m : y.members) {
    remuneration += m.remuneration;
    interest += m.interest;
  }
  std::string differences;
  auto compare = [&](const char* item, const Money& debited, const Money& paid) {
    if (debited != paid)
      differences += std::string(kCrLf) + item + " : Rs. " + debited.groupedRupees() + " debited to P&L, Rs. " +
                     paid.groupedRupees() + " in Partners' Remuneration Details";
  };
  compare("Salary, Bonus, Commission", y.profitAndLossItems->partnersRemuneration, remuneration);
  compare("Interest", y.profitAndLossItems->partnersInterest, interest);
  if (!differences.empty())
    return c.ask(what,
                 "Partners' Remuneration debited to P&L does not match Partners' Remuneration Details in General "
                 "Information :" + differences + kTwoLines + "Continue ?",
                 "cmdproceed");
  c.pass(what);
}

// Items Schedule BP has no line for. An income declared u/s 44AD by a
// person or a turnover the section does not reach is ordinary business
// income, not a deemed profit; a deduction u/s 10A or 10AA has no place in
// a form without Schedule BP. Incomes u/s 44DB, 44AF and Chapter XII-G are
// not entered in this program, so none of them reaches a return.
void scheduleBPItemsCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  const std::string what = "Items Schedule BP can not show";
  const bool withSchedule = isOneOf(r.form, {"ITR-4", "ITR-5", "ITR-6"});
  const bool withoutSchedule = isOneOf(r.form, {"ITR-1", "ITR-2", "ITR-2A", "ITR-3", "ITR-4S"});
  const bool exportUnits = y.input && !y.input->exportUnits.empty();
  if (!(withSchedule && y.presumptive44AD > 0) && !(withoutSchedule && exportUnits)) return;
  if (!y.result) return c.notExamined(what, "The business income is not known: " + y.computationNote);
  const auto& b = y.result->business;
  if (withSchedule && !b.applied44ad && b.presumptive44ad > Money())
    return c.stop(what,
                  "Profits and gains of business or profession deemed to be u/s 44AD of Rs. " +
                      b.presumptive44ad.groupedRupees() + " can not be shown in Schedule-BP.",
                  "cmdproceed");
  if (withoutSchedule)
    for (const auto& [section, words] : {std::pair{engine::ExportSection::s10aa, "Deduction u/s 10AA of Rs. "},
                                         std::pair{engine::ExportSection::s10a, "Deduction u/s 10A of Rs. "}}) {
      const Money deduction = y.result->exportDeductions.of(section);
      if (deduction > Money())
        return c.stop(what, words + deduction.groupedRupees() + " can not be shown in Schedule-BP.", "cmdproceed");
    }
  c.pass(what);
}

void profitAndLossChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-4", "ITR-5", "ITR-6"}) || y.businessesOutsidePresumptive == 0) return;
  noAccountCheck(c, y, r);
  otherHeadsCheck(c, y);
}

}  // namespace

void membersAndBookProfitChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  membersCheck(c, y, r);
  bookProfitMethodCheck(c, y, r);
}

// The business schedule, in the order of the return screen.
void businessScheduleChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  speculationAndSpecifiedCheck(c, y, r);
  partnersRemunerationCheck(c, y);
  memberShareCheck(c, y);
  partnersInAccountsCheck(c, y, r);
  profitAndLossChecks(c, y, r);
  scheduleBPItemsCheck(c, y, r);
}

}  // namespace meridian::itr
