#include "suite/computation/printout_statements.h"

#include <algorithm>
#include <map>

#include "common/text.h"
#include "common/years.h"
#include "suite/computation/printout_table.h"
#include "suite/engine/year_law.h"
#include "suite/heads/capital_gains_year_input.h"
#include "suite/heads/tax_credit_history.h"
#include "suite/returns/register_entry.h"

namespace meridian::suite::computation {
namespace {

namespace esc = host::esc;
std::string bold(const std::string& s) { return esc::boldOn + s + esc::boldOff; }
Money moneyOf(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }
std::string dateOf(const db::Row& r, const char* column) {
  const auto d = parseIso(r.text(column).substr(0, 10));
  return d ? formatDmy(*d) : r.text(column);
}

// "WARD 4(2), RANGE 4" from the year's row.
std::string wardOf(db::Connection& conn, const std::string& dataSet, int year) {
  const auto row = conn.query("SELECT ward, `range` FROM new_tab WHERE code_no = ? AND ass_year = ?",
                              {dataSet, std::to_string(year)});
  return row.empty() ? "" : joinNonBlank({row.front().text("ward"), row.front().text("range")}, ", ");
}

// The particulars of a year's return: its filing date and the register's
// entry (pending.srno) for the acknowledgement; none when it was not filed.
std::optional<FilingParticulars> filedReturn(db::Connection& conn, const std::string& client, const std::string& dataSet,
                                             int year) {
  const auto pending =
      conn.query("SELECT retdate, srno FROM pending WHERE code_no = ? AND assyear = ?", {client, assessmentYearText(year)});
  if (pending.empty() || pending.front().text("retdate").empty()) return std::nullopt;
  FilingParticulars f;
  f.filingDate = pending.front().text("retdate");
  const int srNo = std::atoi(pending.front().text("srno").c_str());
  for (const auto& e : returns::readRegister(conn, client, year))
    if (e.srNo == srNo) f.ackNo = e.ackNo;
  f.ward = wardOf(conn, dataSet, year);
  return f;
}

// The previous year's return: its filing particulars when it was filed, and
// the summary row of its computation (adv_n: a9 total income, a15 net tax,
// a16 advance tax, a17 interest, a18 self-assessment tax, a19 payable, a20
// refundable; what is left of the net tax and interest is TDS and TCS).
std::optional<FilingParticulars> previousYear(db::Connection& conn, const std::string& client, int year) {
  auto f = filedReturn(conn, client, client, year - 1);
  const auto summary = conn.query("SELECT * FROM adv_n WHERE code_no = ? AND assyear = ?", {client, std::to_string(year - 1)});
  if (summary.empty()) return f;
  if (!f) {
    f.emplace();
    f->ward = wardOf(conn, client, year - 1);
  }
  const auto a = [&](int n) { return Money::rupees(summary.front().integer("a" + std::to_string(n))); };
  f->returnedIncome = a(9);
  const Money deducted = std::max(Money(), a(15) + a(17) - a(16) - a(18) - a(19) + a(20));
  f->taxes = {{"Total Tax Payable on Total Income", a(15)},
              {"TDS/TCS", deducted},
              {"Advance-Tax Paid", a(16)},
              {"Interest Payable u/s 234A, 234B & 234C", a(17)},
              {"Self-Assessment Tax Paid", a(18)},
              {"Net Tax Payable", a(19)},
              {"Net Tax Refundable", a(20)}};
  return f;
}

std::vector<GainRow> gainsOf(db::Connection& conn, const StatementRequest& r) {
  std::vector<GainRow> out;
  if (!conn.hasTable("capital")) return out;
  std::vector<std::string> leftOut;
  const auto transfers = heads::readTransfers(conn, r.dataSet, r.year, leftOut);
  // The descriptions of the rows readTransfers took, in its order.
  std::vector<std::string> described;
  for (const auto& row : conn.query("SELECT * FROM capital WHERE code_no = ? AND ass_year = ? ORDER BY srno",
                                    {r.dataSet, r.year}))
    if (heads::assetKindOf(row.text("asset_kind")) && parseIso(row.text("acq_dt").substr(0, 10)) &&
        parseIso(row.text("trf_dt").substr(0, 10)))
      described.push_back(row.text("descr"));
  const heads::Transferor who{r.year, r.individualOrHuf};
  for (std::size_t i = 0; i < transfers.size(); ++i) {
    const auto& t = transfers[i];
    const auto g = heads::gainOf(t, who, heads::CostInflationIndex::shipped());
    out.push_back({i < described.size() ? described[i] : "", g.longTerm, t.acquired, t.transferred, g.fullValue,
                   g.fullValue - g.gain, g.exempt, g.taxable});
  }
  return out;
}

std::vector<ChallanRow> challans(db::Connection& conn, const char* table, const StatementRequest& r) {
  std::vector<ChallanRow> out;
  for (const auto& c : conn.query(std::string("SELECT * FROM ") + table +
                                      " WHERE code_no = ? AND ass_year = ? ORDER BY `date`, srno",
                                  {r.dataSet, r.year}))
    out.push_back({c.text("bsr_code"), dateOf(c, "date"), c.text("chsrno"), moneyOf(c, "amt")});
  return out;
}

// Earlier years from the credit table (taxcr115jbc1, marker B for MAT, C for
// AMT), the balance running on from year to year, then this year as computed.
std::vector<CreditYearRow> creditsOf(db::Connection& conn, const StatementRequest& r, const engine::YearResult& result) {
  std::vector<CreditYearRow> out;
  const auto& alt = result.alternate;
  if (alt.kind == engine::AlternateKind::none) return out;
  // The same history the computation reads: a revision or an order sees the
  // original returns' rows for the years it holds none of its own.
  const std::string marker = alt.kind == engine::AlternateKind::mat ? "B" : "C";
  Money balance;
  for (const auto& [year, rows] : heads::taxCreditHistory(conn, r.client, r.dataSet, r.year))
    for (const auto& c : rows) {
      if (c.marker != marker) continue;
      CreditYearRow y{year, Money::rupees(c.taxNormal), Money::rupees(c.alternateTax), {}, Money::rupees(c.creditUsed),
                      {}, {}};
      y.additional = std::max(Money(), y.alternate - y.normal);
      balance = std::max(Money(), balance + y.additional - y.used);
      y.carried = balance;
      out.push_back(y);
    }
  CreditYearRow now{r.year, result.tax.liability(), alt.total(), alt.creditArisen, alt.creditUsed, alt.creditLapsed, {}};
  for (const auto& c : alt.creditsCarried) now.carried += c.amount;
  out.push_back(now);
  return out;
}

// Section headings of the business's disallowances.
std::string disallowanceTitle(const std::string& section) {
  if (section == "OTH" || section.empty()) return "ANY OTHER EXPENSES NOT ALLOWABLE";
  return "ALLOWED/DISALLOWED U/S " + section;
}

}  // namespace

Statements loadStatements(db::Connection& conn, const StatementRequest& r, const engine::YearResult& result,
                          const std::vector<engine::TaxCredit>& creditsBroughtForward) {
  Statements s;
  if (conn.hasTable("pending") && conn.hasTable("nrevordr")) {
    s.thisYear = filedReturn(conn, r.client, r.dataSet, r.year);
    if (s.thisYear) s.thisYear->returnedIncome = result.totalIncome;
    s.previousYear = previousYear(conn, r.client, r.year);
  }
  if (conn.hasTable("business_disallowed"))
    for (const auto& d : conn.query("SELECT * FROM business_disallowed WHERE code_no = ? AND ass_year = ? "
                                    "ORDER BY section, business_no, srno",
                                    {r.dataSet, r.year}))
      s.disallowed.push_back({upperCase(d.text("section")), d.text("particulars"), moneyOf(d, "amount")});
  s.gains = gainsOf(conn, r);
  if (conn.hasTable("tds"))
    for (const auto& t : conn.query("SELECT t.*, i.section FROM tds t LEFT JOIN secdesc_items i ON i.itemcd = t.itemcd "
                                    "WHERE t.code_no = ? AND t.asyear = ? ORDER BY t.srno",
                                    {r.dataSet, r.year})) {
      const std::string section = t.text("section").empty() ? t.text("itemcd") : t.text("section");
      s.taxDeducted.push_back({t.text("dedname"), t.text("dedtan"), t.text("dedadd"), section, moneyOf(t, "totinc"),
                               moneyOf(t, "tdsded"), moneyOf(t, "tdsclaim"), section.rfind("206", 0) == 0});
    }
  if (conn.hasTable("adv_tax")) s.advance = challans(conn, "adv_tax", r);
  if (conn.hasTable("self_tax")) s.selfAssessment = challans(conn, "self_tax", r);
  s.creditKind = result.alternate.kind;
  s.credits = creditsOf(conn, r, result);
  s.creditsBroughtForward = creditsBroughtForward;
  if (const engine::YearLaw* law = engine::lawOf(r.year))
    s.creditYears = s.creditKind == engine::AlternateKind::mat ? law->matCreditYears : law->amtCreditYears;
  return s;
}

void printFilingParticulars(host::ReportWriter& rep, const Statements& s, const FilingSwitches& on, bool estimate,
                            bool borders) {
  const auto block = [&](const std::string& title, const FilingParticulars& f, bool withTaxes) {
    std::vector<std::pair<std::string, host::ReportValue>> rows;
    if (on.receiptNo && !f.ackNo.empty()) rows.emplace_back("Acknowledgement No.", f.ackNo);
    if (on.returnDate && !f.filingDate.empty()) rows.emplace_back("Date of Filing", f.filingDate);
    if (on.wardNo && !f.ward.empty()) rows.emplace_back("Ward", f.ward);
    if (on.returnIncome && f.returnedIncome)
      rows.emplace_back("Return Income", "Rs. " + f.returnedIncome->groupedRupees());
    if (withTaxes)
      for (const auto& [caption, amount] : f.taxes)
        if (!amount.isZero()) rows.emplace_back(caption, "Rs. " + amount.groupedRupees());
    if (rows.empty()) return;
    rep.printtext(bold(title));
    TableOut t(rep, {40, 38}, {"T", "T"}, borders);  // caption, value
    for (auto& [caption, value] : rows) t.row({caption, value}, false, "10", "");
    rep.printtext();
  };
  if (s.thisYear) block("Return Filing Details :", *s.thisYear, false);
  if (s.previousYear) block("Previous Year Return Filing Details :", *s.previousYear, estimate);
}

void printDisallowances(host::ReportWriter& rep, const Statements& s, int year, bool borders) {
  for (std::size_t i = 0; i < s.disallowed.size();) {
    const std::string section = s.disallowed[i].section;
    rep.printtext();
    rep.printtext(bold(disallowanceTitle(section)));
    TableOut t(rep, {28, 11, 13, 13, 13}, {"T", "T", "A", "A", "A"}, borders);
    t.heading({"Particulars", "Assessment Year", "Disallowed Amount (Rs.)", "Allowed Amount (Rs.)", "Balance Amount (Rs.)"},
              "11111", "00111");
    Money total;
    // Each is disallowed in this year and not yet allowed in a later one.
    for (; i < s.disallowed.size() && s.disallowed[i].section == section; ++i) {
      const auto& d = s.disallowed[i];
      t.row({d.particulars, assessmentYearText(year), d.amount, Money(), d.amount}, false, "", "00111");
      total += d.amount;
    }
    t.row({"Total", "", total, Money(), total}, false, "10111", "00111");
  }
}

void printCreditTables(host::ReportWriter& rep, const Statements& s, int year, bool borders) {
  if (s.credits.empty()) return;
  const bool mat = s.creditKind == engine::AlternateKind::mat;
  const std::string alternate = mat ? "115JB" : "115JC", credit = mat ? "115JAA" : "115JD";
  rep.printtext();
  rep.printtext(bold(std::string("Tax Credit for ") + (mat ? "MAT" : "AMT") + " Paid under section " + alternate +
                     " against Tax Liability"));
  TableOut t(rep, {7, 10, 10, 10, 11, 10, 10, 10}, {"T", "A", "A", "A", "A", "A", "A", "A"}, borders);
  t.heading({"A.Y.", "Normal Tax Liability", "Tax Liability u/s " + alternate, "Tax Payable by the Assessee",
             "Additional Tax Liability", "Credit u/s " + credit + " Utilised", "Credit Lapsed",
             "Credit Available for Carry Forward"},
            "11111111", "01111111");
  for (const auto& c : s.credits)
    t.row({assessmentYearText(c.year), c.normal, c.alternate, std::max(c.normal, c.alternate), c.additional, c.used,
           c.lapsed, c.carried},
          false, "", "01111111");

  // Each year's credit: brought into this year, used and carried on.
  std::map<int, std::pair<Money, Money>> byYear;  // brought forward, carried forward
  for (const auto& c : s.creditsBroughtForward) byYear[c.year].first += c.amount;
  const CreditYearRow& now = s.credits.back();
  Money usedLeft = now.used;
  if (byYear.empty() && now.additional.isZero()) return;
  rep.printtext();
  rep.printtext(bold(std::string("Utilisation of ") + (mat ? "MAT" : "AMT") + " Credit u/s " + credit));
  TableOut u(rep, {8, 10, 10, 10, 10, 10, 10, 10}, {"T", "A", "A", "A", "A", "A", "A", "A"}, borders);
  u.heading({"A.Y.", "Gross", "Set-off in earlier years", "Credit lapsed", "Balance brought forward",
             "Credit utilised during the current year", "Credit lapsed", "Balance credit carried forward"},
            "11111111", "01111111");
  // Credit is used oldest first; what this year uses comes off the oldest
  // balances still within the limit of years (a balance past it lapses
  // whole), and this year's own credit is carried whole.
  for (auto& [y, amounts] : byYear) {
    Money gross = amounts.first, earlier;
    for (const auto& c : s.credits)
      if (c.year == y && c.additional > amounts.first) {
        gross = c.additional;
        earlier = c.additional - amounts.first;
      }
    const bool lapses = s.creditYears > 0 && year - y > s.creditYears;
    const Money used = lapses ? Money() : std::min(usedLeft, amounts.first);
    const Money lapsed = lapses ? amounts.first : Money();
    usedLeft -= used;
    u.row({assessmentYearText(y), gross, earlier, Money(), amounts.first, used, lapsed, amounts.first - used - lapsed},
          false, "", "01111111");
  }
  if (!now.additional.isZero())
    u.row({assessmentYearText(year), now.additional, Money(), Money(), Money(), Money(), Money(), now.additional},
          false, "", "01111111");
}

void printCapitalGains(host::ReportWriter& rep, const Statements& s, bool borders) {
  if (s.gains.empty()) return;
  rep.printtext();
  rep.printtext(bold("STATEMENT OF CAPITAL GAINS"));
  TableOut t(rep, {16, 11, 11, 10, 10, 10, 10}, {"T", "T", "T", "A", "A", "A", "A"}, borders);
  t.heading({"Asset Transferred", "Date Acquired", "Date of Transfer", "Full Value",
             "Cost and Expenses", "Exempt", "Taxable Gain"},
            "1111111", "0001111");
  Money total;
  for (const auto& g : s.gains) {
    t.row({g.description + (g.longTerm ? " (Long-term)" : " (Short-term)"), formatDmy(g.acquired),
           formatDmy(g.transferred), g.fullValue, g.costAndExpenses, g.exempt, g.taxable},
          false, "", "0001111");
    total += g.taxable;
  }
  t.row({"Total", "", "", host::ReportValue(), host::ReportValue(), host::ReportValue(), total}, false, "1000001",
        "0001111");
}

void printTaxesPaid(host::ReportWriter& rep, const Statements& s, bool withAddress, bool borders) {
  for (const bool collected : {false, true}) {
    std::vector<const TaxDeductedRow*> rows;
    for (const auto& t : s.taxDeducted)
      if (t.collected == collected) rows.push_back(&t);
    if (rows.empty()) continue;
    rep.printtext();
    rep.printtext(bold(collected ? "DETAILS OF TAX COLLECTED AT SOURCE" : "DETAILS OF TAX DEDUCTED AT SOURCE"));
    TableOut t(rep, {26, 11, 8, 11, 11, 11}, {"T", "T", "T", "A", "A", "A"}, borders);
    t.heading({collected ? "Name of the Collector" : "Name of the Deductor", "TAN", "Section",
               collected ? "Amount Debited" : "Amount Paid / Credited", collected ? "Tax Collected" : "Tax Deducted",
               "Amount Claimed"},
              "111111", "000111");
    Money paid, deducted, claimed;
    for (const auto* r : rows) {
      const std::string who = withAddress && !r->address.empty() ? r->deductor + ", " + r->address : r->deductor;
      t.row({who, r->tan, r->section, r->paid, r->deducted, r->claimed}, false, "", "000111");
      paid += r->paid;
      deducted += r->deducted;
      claimed += r->claimed;
    }
    t.row({"Total", "", "", paid, deducted, claimed}, false, "100111", "000111");
  }
  const auto challanTable = [&](const char* title, const std::vector<ChallanRow>& rows) {
    if (rows.empty()) return;
    rep.printtext();
    rep.printtext(bold(title));
    TableOut t(rep, {14, 14, 20, 16}, {"T", "T", "T", "A"}, borders);
    t.heading({"BSR Code", "Date of Deposit", "Challan Serial No.", "Amount"}, "1111", "0001");
    Money total;
    for (const auto& c : rows) {
      t.row({c.bsr, c.date, c.serial, c.amount}, false, "", "0001");
      total += c.amount;
    }
    t.row({"Total", "", "", total}, false, "1001", "0001");
  };
  challanTable("DETAILS OF ADVANCE TAX PAID", s.advance);
  challanTable("DETAILS OF SELF-ASSESSMENT TAX PAID", s.selfAssessment);
}

}  // namespace meridian::suite::computation
