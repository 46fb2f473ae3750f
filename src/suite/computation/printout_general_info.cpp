#include "suite/computation/printout_general_info.h"

#include <optional>

#include "suite/computation/printout_table.h"

namespace meridian::suite::computation {
namespace {

namespace esc = host::esc;

std::string bold(const std::string& s) { return esc::boldOn + s + esc::boldOff; }

struct Line {
  std::string caption;
  std::optional<Money> amount;  // none: a sub-heading
  bool subTotal = false;  // printed bold
};

void amountTable(host::ReportWriter& rep, const std::string& title, const char* heading, const char* amountHeading,
                 const std::vector<Line>& lines, bool borders) {
  rep.printtext();
  for (const auto& piece : report::wrapToWidth(title, 78)) rep.printtext(bold(piece));
  TableOut t(rep, {58, 20}, {"T", "A"}, borders);
  t.row({std::string(heading), std::string(amountHeading)}, true, "11", "01");
  for (const auto& l : lines) {
    if (!l.amount) {
      t.row({l.caption}, false, "10", "00");
      continue;
    }
    t.row({l.caption, *l.amount}, false, l.subTotal ? "11" : "00", "01");
  }
}

// The further lines of an account, side by side in the sides' order, each
// side under its caption and closed by its total.
void addFurtherLines(std::vector<Line>& lines, const std::vector<geninfo::AccountLine>& further,
                     const std::vector<geninfo::AccountSide>& sides) {
  for (const auto& side : sides) {
    Money total;
    bool any = false;
    for (const auto& l : further) {
      if (l.side != side.code) continue;
      if (!any) lines.push_back({side.caption, std::nullopt});
      any = true;
      lines.push_back({"   " + l.particulars, l.amount});
      total += l.amount;
    }
    if (any) lines.push_back({std::string("Total ") + side.caption, total, true});
  }
}

bool profitAndLossPrints(const geninfo::GeneralInformation& g, const GeneralInfoSwitches& on) {
  return on.profitAndLoss && (g.noAccount || !g.profitAndLossLines.empty());
}
bool balanceSheetPrints(const geninfo::GeneralInformation& g, const GeneralInfoSwitches& on) {
  return on.balanceSheet && (g.noAccount || !g.balanceSheetLines.empty());
}

}  // namespace

void printEnclosures(host::ReportWriter& rep, const geninfo::GeneralInformation& g, const GeneralInfoSwitches& on) {
  if (!on.annexures || g.enclosures.empty()) return;
  rep.printtext();
  rep.printtext(bold("List of Enclosures:"));
  TableOut t(rep, {8, 70}, {"T", "T"}, on.borders);
  int n = 0;
  for (const auto& e : g.enclosures) t.row({std::to_string(++n) + ".", e.text}, false, "", "");
}

void printAccounts(host::ReportWriter& rep, const geninfo::GeneralInformation& g, const GeneralInfoSwitches& on) {
  const bool assets = on.assetsAndLiabilities && g.assets;
  if (!profitAndLossPrints(g, on) && !balanceSheetPrints(g, on) && !assets) return;
  // CompOth8: the accounts as an annexure of their own, on a fresh page.
  if (on.separateAnnexure) {
    rep.printtext(esc::formFeed);
    rep.printtext(bold(esc::underlineOn + std::string("ANNEXURE") + esc::underlineOff));
  }
  if (profitAndLossPrints(g, on)) {
    std::vector<Line> lines;
    bool noBooks = false;
    if (g.noAccount) {
      const geninfo::NoAccountFigures& f = *g.noAccount;
      noBooks = !f.booksMaintained;
      lines = {{"Gross Receipts", f.grossReceipts},
               {"Gross Profit", f.grossProfit},
               {"Expenses", f.expenses},
               {"Net Profit", f.netProfit, true}};
    }
    addFurtherLines(lines, g.profitAndLossLines, geninfo::profitAndLossSides());
    amountTable(rep,
                std::string("Profit & Loss Account") +
                    (noBooks ? " (Regular books of account of business or profession are not maintained)" : ""),
                "Particulars", "Amount (Rs.)", lines, on.borders);
  }
  if (balanceSheetPrints(g, on)) {
    std::vector<Line> lines;
    if (g.noAccount) {
      const geninfo::NoAccountFigures& f = *g.noAccount;
      lines = {{"Sundry Debtors", f.sundryDebtors},
               {"Sundry Creditors", f.sundryCreditors},
               {"Stock-in-trade", f.stockInTrade},
               {"Cash Balance", f.cashBalance}};
    }
    addFurtherLines(lines, g.balanceSheetLines, geninfo::balanceSheetSides());
    amountTable(rep, "Balance Sheet", "Particulars", "Amount (Rs.)", lines, on.borders);
  }
  if (on.assetsAndLiabilities && g.assets) {
    const geninfo::AssetsAndLiabilities& a = *g.assets;
    amountTable(rep, "Details of Asset and Liability at the end of the year (As per Sch-AL)", "Particulars of Asset",
                "Amount (Cost) (Rs.)",
                {{"Immovable Asset", a.immovable(), true},
                 {"Land", a.land},
                 {"Building", a.building},
                 {"Movable Asset", a.movable(), true},
                 {"Financial Asset", a.financial(), true},
                 {"Deposits in Bank (including balance in any account)", a.bankDeposits},
                 {"Shares and securities", a.shares},
                 {"Insurance policies", a.insurance},
                 {"Loans and Advances given", a.loansGiven},
                 {"Cash in hand", a.cashInHand},
                 {"Jewellery, bullion etc.", a.jewellery},
                 {"Archaeological collections, drawings, painting, sculpture or any work of art", a.artWork},
                 {"Vehicles, yachts, boats and aircraft", a.vehicles},
                 {"Total Assets", a.total(), true},
                 {"Liability in relation to Assets", a.liability, true}},
                on.borders);
  }
}

void printOtherDetails(host::ReportWriter& rep, const geninfo::GeneralInformation& g, int year,
                       const GeneralInfoSwitches& on) {
  if (!on.annexures) return;
  for (const auto& category : geninfo::otherDetailCategories()) {
    std::vector<const geninfo::OtherDetail*> rows;
    for (const auto& d : g.otherDetails)
      if (d.category == category.code) rows.push_back(&d);
    if (rows.empty()) continue;
    rep.printtext();
    rep.printtext(bold(geninfo::otherDetailHeading(category.code, year)));
    TableOut t(rep, {8, 52, 18}, {"T", "T", "A"}, on.borders);
    t.row({"Sr. No.", "Particulars", "Amount"}, true, "111", "001");
    Money total;
    int n = 0;
    for (const auto* d : rows) {
      t.row({std::to_string(++n), d->particulars, d->amount}, false, "", "001");
      total += d->amount;
    }
    t.row({"", "Total", total}, false, "011", "001");
  }
}

}  // namespace meridian::suite::computation
