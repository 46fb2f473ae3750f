#include "suite/geninfo/general_info.h"

#include "db/rows.h"

namespace meridian::suite::geninfo {
namespace {

Money amountOf(const db::Row& r, const char* column) { return r.money(column).value_or(Money()); }

db::RecordSet rowsOf(db::Connection& conn, const std::string& table, const db::Pairs& key,
                     const std::vector<std::string>& order = {}) {
  if (!conn.hasTable(table)) return {};
  return db::selectWhere(conn, table, key, order);
}

// The sections the other additions run to: s.44DB was inserted by the
// Finance Act, 2007 with effect from A.Y. 2008-09, so the forms of the years
// this program files say "28 to 44DB"; earlier years stopped at s.44DA.
struct AdditionsReach {
  int fromYear;
  const char* lastSection;
};
constexpr AdditionsReach kAdditionsReach[] = {{0, "44DA"}, {2008, "44DB"}};

std::string additionsLastSection(int year) {
  const char* last = kAdditionsReach[0].lastSection;
  for (const auto& r : kAdditionsReach)
    if (year >= r.fromYear) last = r.lastSection;
  return last;
}

template <class Figures>
Figures figuresOf(const db::Row& r, const std::vector<AmountColumn<Figures>>& columns) {
  Figures f;
  for (const auto& c : columns) f.*c.figure = amountOf(r, c.column);
  return f;
}

}  // namespace

const std::vector<AmountColumn<NoAccountFigures>>& noAccountColumns() {
  using F = NoAccountFigures;
  static const std::vector<AmountColumn<F>> columns = {
      {"grossrcpt", &F::grossReceipts},       {"grossprofit", &F::grossProfit},
      {"expenses", &F::expenses},             {"netprofit", &F::netProfit},
      {"sundrydebtors", &F::sundryDebtors},   {"sundrycreditors", &F::sundryCreditors},
      {"stockintrade", &F::stockInTrade},     {"cashbal", &F::cashBalance},
  };
  return columns;
}

const std::vector<AmountColumn<AssetsAndLiabilities>>& assetColumns() {
  using A = AssetsAndLiabilities;
  static const std::vector<AmountColumn<A>> columns = {
      {"land", &A::land},           {"building", &A::building},   {"bankdeposits", &A::bankDeposits},
      {"shares", &A::shares},       {"insurance", &A::insurance}, {"loansgiven", &A::loansGiven},
      {"cashinhand", &A::cashInHand}, {"jewellery", &A::jewellery}, {"artwork", &A::artWork},
      {"vehicles", &A::vehicles},   {"liability", &A::liability},
  };
  return columns;
}

const std::vector<OtherDetailCategory>& otherDetailCategories() {
  static const std::vector<OtherDetailCategory> categories = {
      {"EXI", "ANY OTHER EXEMPT INCOME"},
      {"DEI", "DISALLOWED EXPENSES RELATED TO EXEMPT INCOME"},
      {"D36", "DISALLOWED U/S 36"},
      {"D37", "DISALLOWED U/S 37"},
      {"D40A", "DISALLOWED U/S 40A"},
      {"ADD", "ANY OTHER ADDITIONS U/S 28 TO "},
      {"OIN", "ANY OTHER INCOME NOT INCLUDED IN P & L A/C"},
      {"ONA", "ANY OTHER EXPENSES NOT ALLOWABLE"},
      {"D32", "DEDUCTIONS ALLOWABLE U/S 32(1)(iii)"},
      {"ALW", "ANY OTHER ALLOWABLE AS DEDUCTION"},
  };
  return categories;
}

std::string otherDetailHeading(const std::string& code, int year) {
  for (const auto& c : otherDetailCategories())
    if (code == c.code) return std::string(c.caption) + (code == "ADD" ? additionsLastSection(year) : "");
  return "";
}

GeneralInformation loadGeneralInformation(db::Connection& conn, const std::string& dataSet, int year) {
  GeneralInformation g;
  const db::Pairs key{{"code_no", dataSet}, {"ass_year", year}};
  for (const auto& r : rowsOf(conn, "geninfo_balpl", key)) {
    g.noAccount = figuresOf(r, noAccountColumns());
    g.noAccount->booksMaintained = r.text("booksmaint") == "Y";
  }
  for (const auto& r : rowsOf(conn, "itrschal", key)) {
    g.assets = figuresOf(r, assetColumns());
    g.assets->given = r.text("detgiven") == "Y";
  }
  for (const auto& r : rowsOf(conn, "itrschal_immov", key, {"srno"}))
    g.immovables.push_back({static_cast<int>(r.integer("srno")), r.text("descr"), r.text("h_no"), r.text("h_nm"),
                            r.text("street"), r.text("area"), r.text("city"), r.text("statecode"), r.text("pin"),
                            amountOf(r, "amount")});
  for (const auto& r : rowsOf(conn, "itdoc", {{"code_no", dataSet}, {"t_year", year}}, {"srno"}))
    g.enclosures.push_back({static_cast<int>(r.integer("srno")), r.text("particulars")});
  for (const auto& r : rowsOf(conn, "business_othdet", key, {"srno"}))
    g.otherDetails.push_back({r.text("catg"), r.text("particulars"), amountOf(r, "amount")});
  const db::Pairs byTyear{{"code_no", dataSet}, {"tyear", year}};
  for (const auto& r : rowsOf(conn, "geninfo_morepl", byTyear, {"srno"}))
    g.profitAndLossLines.push_back({r.text("side"), r.text("particulars"), amountOf(r, "amount")});
  for (const auto& r : rowsOf(conn, "geninfo_morebs", byTyear, {"srno"}))
    g.balanceSheetLines.push_back({r.text("side"), r.text("particulars"), amountOf(r, "amount")});
  return g;
}

const std::vector<AccountSide>& profitAndLossSides() {
  static const std::vector<AccountSide> sides = {{"CR", "Income"}, {"DR", "Expenditure"}};
  return sides;
}

const std::vector<AccountSide>& balanceSheetSides() {
  static const std::vector<AccountSide> sides = {{"L", "Liabilities"}, {"A", "Assets"}};
  return sides;
}

}  // namespace meridian::suite::geninfo
