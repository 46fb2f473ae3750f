// The checks before a return that read the business tables: a firm's or an
// association's partners and members, a company's book profit, and the
// business schedule (a partner's remuneration against the firm's rows, the
// profit and loss account of a business without books).
#include <algorithm>

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

void profitAndLossChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-4", "ITR-5", "ITR-6"}) || y.businessesOutsidePresumptive == 0) return;
  noAccountCheck(c, y, r);
  c.notExamined("Other heads in Schedule BP",
                "Incomes of other heads credited, and expenses debited, to the profit and loss account are not kept "
                "apart from the net profit here.");
}

}  // namespace

void membersAndBookProfitChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  membersCheck(c, y, r);
  bookProfitMethodCheck(c, y, r);
}

// The speculation profit and a specified business's profit are kept once
// each (income_business.spec_profit, business_35ad) and never as a part of
// the ordinary business's net profit, so the two figures the department's
// schedule compares are the same stored figure and no difference can arise.
// Of the items Schedule BP may not show, only the s.44AD income is kept, and
// the business screen takes it only from those the section reaches. A share
// of profit of an AOP or BOI is not entered anywhere, so it has no PAN to check.
void businessScheduleChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  partnersRemunerationCheck(c, y);
  if (r.form == "ITR-5" && (y.statusCode == "FIRM" || y.statusCode == "LLP") && !y.members.empty())
    c.notExamined("Partners' remuneration in Sch-PL",
                  "The partners' salary and interest debited to the profit and loss account are not kept apart from "
                  "the net profit here, so the firm's Partners' Remuneration Details could not be compared with them.");
  profitAndLossChecks(c, y, r);
}

}  // namespace meridian::itr
