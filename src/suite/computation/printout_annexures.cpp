#include "suite/computation/printout_annexures.h"

#include <algorithm>

#include "common/text.h"
#include "common/years.h"
#include "suite/heads/head_choices.h"
#include "suite/computation/printout_table.h"

namespace meridian::suite::computation {
namespace {

namespace esc = host::esc;

std::string bold(const std::string& s) { return esc::boldOn + s + esc::boldOff; }

Money moneyOf(const db::Row& r, const char* column) { return Money::parse(r.text(column)).value_or(Money()); }

std::vector<CertificateRow> certificates(db::Connection& conn, const std::string& dataSet, int year, const char* type) {
  std::vector<CertificateRow> out;
  for (const auto& r : conn.query("SELECT * FROM rebate_nsc WHERE code_no = ? AND ass_year = ? AND rebtyp = ? "
                                  "ORDER BY purchasedt, srno",
                                  {dataSet, year, std::string(type)})) {
    CertificateRow c{parseIso(r.text("purchasedt").substr(0, 10)), moneyOf(r, "amount"), r.text("certno"), r.text("issuedby"),
                     r.text("rate"), moneyOf(r, "interest")};
    if (!c.amount.isZero()) out.push_back(std::move(c));
  }
  return out;
}

// The heading of a kind of exempt income: "EXEMPT INCOME - DIVIDEND U/S 10(34) / 10(35)".
std::string exemptHeading(const std::string& kind) {
  for (const auto& c : heads::choices::exemptIncomeKinds())
    if (c.code == kind) return "EXEMPT INCOME - " + upperCase(c.caption);
  return "EXEMPT INCOME - " + kind;
}

std::string dateText(const std::optional<CivilDate>& d) { return d ? formatDmy(*d) : ""; }

// The financial year a certificate was bought in, "2013-14".
std::string yearOfPurchase(const std::optional<CivilDate>& d) {
  if (!d) return "";
  const int y = static_cast<int>(d->year());
  const int first = static_cast<unsigned>(d->month()) >= 4 ? y : y - 1;
  return assessmentYearText(first);
}

void certificateTable(host::ReportWriter& rep, const std::string& title, const std::vector<CertificateRow>& rows,
                      bool nsc, bool borders) {
  if (rows.empty()) return;
  rep.printtext();
  rep.printtext(bold(title));
  TableOut t(rep, nsc ? std::vector<int16_t>{12, 10, 12, 14, 18, 12} : std::vector<int16_t>{12, 12, 14, 20, 8, 12},
             nsc ? std::vector<std::string>{"T", "T", "A", "T", "T", "A"}
                 : std::vector<std::string>{"T", "A", "T", "T", "T", "A"},
             borders);
  if (nsc)
    t.row({"Date of Purchase", "Year of Purchase", "Amount", "Number", "Issued by", "Interest"}, true, "111111",
          "001001");
  else
    t.row({"Date of Purchase", "Amount", "Number", "Issued by", "Rate", "Interest"}, true, "111111", "010011");
  Money amount, interest;
  for (const auto& c : rows) {
    if (nsc)
      t.row({dateText(c.purchased), yearOfPurchase(c.purchased), c.amount, c.number, c.issuedBy, c.interest}, false,
            "", "001001");
    else
      t.row({dateText(c.purchased), c.amount, c.number, c.issuedBy, c.rate, c.interest}, false, "", "010011");
    amount += c.amount;
    interest += c.interest;
  }
  if (nsc)
    t.row({"Total", "", amount, "", "", interest}, false, "101001", "001001");
  else
    t.row({"Total", amount, "", "", "", interest}, false, "110001", "010011");
}

}  // namespace

Annexures loadAnnexures(db::Connection& conn, const std::string& dataSet, int year) {
  Annexures a;
  if (conn.hasTable("business_firm"))
    for (const auto& r : conn.query("SELECT * FROM business_firm WHERE code_no = ? AND ass_year = ? ORDER BY firm_no",
                                    {dataSet, year}))
      a.firms.push_back({r.text("firm_name"), r.text("firm_pan"), r.text("share_pct"), moneyOf(r, "share_profit"),
                         moneyOf(r, "salary"), moneyOf(r, "interest"), moneyOf(r, "commission")});
  a.memberShares = heads::member_shares::read(conn, dataSet, year);
  if (conn.hasTable("rebate_nsc")) {
    a.kvp = certificates(conn, dataSet, year, "2");
    a.nsc = certificates(conn, dataSet, year, "1");
  }
  if (conn.hasTable("incitemdet"))
    for (const auto& r : conn.query("SELECT typ, particulars, amount FROM incitemdet WHERE code_no = ? AND tyear = ? "
                                    "ORDER BY typ, srno",
                                    {dataSet, year})) {
      if (a.itemDetails.empty() || a.itemDetails.back().type != r.text("typ"))
        a.itemDetails.push_back({exemptHeading(r.text("typ")), {}});
      a.itemDetails.back().items.emplace_back(r.text("particulars"), moneyOf(r, "amount"));
    }
  return a;
}

void printFirmStatement(host::ReportWriter& rep, const Annexures& a, bool borders) {
  if (a.firms.empty()) return;
  rep.printtext();
  rep.printtext(bold("STATEMENT OF REMUNERATION AND INTEREST FROM FIRMS"));
  TableOut t(rep, {20, 11, 6, 10, 10, 10, 11}, {"T", "T", "T", "A", "A", "A", "A"}, borders);
  t.row({"Name of the Firm", "PAN", "Share (%)", "Share of Profit (Exempt)", "Salary, Bonus, Commission", "Interest",
         "Remuneration and Interest"},
        true, "1111111", "0011111");
  Money share, pay, interest;
  for (const auto& f : a.firms) {
    const Money salary = f.salary + f.commission;
    t.row({f.firm, f.pan, f.sharePercent, f.shareOfProfit, salary, f.interest, salary + f.interest}, false, "",
          "0011111");
    share += f.shareOfProfit;
    pay += salary;
    interest += f.interest;
  }
  t.row({"Total", "", "", share, pay, interest, pay + interest}, false, "1001111", "0011111");
}

void printCertificates(host::ReportWriter& rep, const Annexures& a, const AnnexureSwitches& on) {
  if (on.kvp) certificateTable(rep, "DETAILS OF KVP", a.kvp, false, on.borders);
  if (on.nsc) certificateTable(rep, "DETAILS OF NSC", a.nsc, true, on.borders);
}

void printItemDetails(host::ReportWriter& rep, const Annexures& a, const AnnexureSwitches& on) {
  if (!on.items) return;
  for (const auto& table : a.itemDetails) {
    rep.printtext();
    rep.printtext(bold(table.type));
    TableOut t(rep, {8, 52, 18}, {"T", "T", "A"}, on.borders);
    t.row({"Sr. No.", "Particulars", "Amount"}, true, "111", "001");
    Money total;
    int n = 0;
    for (const auto& [particulars, amount] : table.items) {
      t.row({std::to_string(++n), particulars, amount}, false, "", "001");
      total += amount;
    }
    t.row({"", "Total", total}, false, "011", "001");
  }
}

}  // namespace meridian::suite::computation
