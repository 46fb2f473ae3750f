// The year tables of the heads of income entered on the head screens:
// salary, house property, other sources, losses brought forward, Chapter VI-A
// deductions, taxes paid and relief. Every table is keyed by the data set
// (code_no) and the year column the data-set copy lists for it; amounts are
// DECIMAL(15,2), dates of payment DATE, dates the returns read as text
// (tds.deddt) dd/mm/yyyy.
#include "suite/heads/heads_schema.h"

#include <vector>

#include "common/dates.h"
#include "db/rows.h"

namespace meridian::suite::heads {
namespace {

// The sections and items of tax deducted or collected at source that the
// taxes-paid screen offers: the item code, its section, the nature of payment.
struct TdsItem {
  const char* item;
  const char* section;
  const char* nature;
};
constexpr TdsItem kTdsItems[] = {
    {"192", "192", "Salary"},
    {"192A", "192A", "Withdrawal of accumulated provident fund balance"},
    {"193", "193", "Interest on securities"},
    {"194", "194", "Dividends"},
    {"194A", "194A", "Interest other than interest on securities"},
    {"194B", "194B", "Winnings from lottery or crossword puzzle"},
    {"194BB", "194BB", "Winnings from horse race"},
    {"194C", "194C", "Payments to contractors"},
    {"194D", "194D", "Insurance commission"},
    {"194DA", "194DA", "Payment in respect of life insurance policy"},
    {"194E", "194E", "Payments to non-resident sportsmen or sports associations"},
    {"194EE", "194EE", "Payments in respect of deposits under National Savings Scheme"},
    {"194G", "194G", "Commission on sale of lottery tickets"},
    {"194H", "194H", "Commission or brokerage"},
    {"194I(a)", "194I", "Rent on plant and machinery"},
    {"194I(b)", "194I", "Rent on land, building or furniture"},
    {"194IA", "194IA", "Payment on transfer of immovable property other than agricultural land"},
    {"194J", "194J", "Fees for professional or technical services"},
    {"194LA", "194LA", "Compensation on acquisition of immovable property"},
    {"194LB", "194LB", "Interest on infrastructure debt fund"},
    {"194LBA", "194LBA", "Income from units of a business trust"},
    {"194LC", "194LC", "Interest from an Indian company on borrowing in foreign currency"},
    {"195", "195", "Other sums payable to a non-resident"},
    {"206C", "206C", "Tax collected at source"},
};

void seedTdsItems(db::Connection& conn) {
  int order = 0;
  for (const auto& i : kTdsItems)
    db::insertRow(conn, "secdesc_items", {{"itemcd", i.item}, {"section", i.section}, {"descr", i.nature}, {"ord", ++order}});
}

// Challans paid were once kept apart from the year's taxes; they are the
// year's advance tax and self-assessment tax now.
void moveChallans(db::Connection& conn) {
  for (const auto& r : conn.query("SELECT * FROM challans ORDER BY code_no, ass_year, id")) {
    const bool self = r.text("tax_type").find("300") != std::string::npos ||
                      r.text("tax_type").find("Self") != std::string::npos;
    const std::string table = self ? "self_tax" : "adv_tax";
    const std::string serial = conn.scalar("SELECT COALESCE(MAX(srno), 0) + 1 FROM " + table +
                                               " WHERE code_no = ? AND ass_year = ?",
                                           {r.text("code_no"), r.text("ass_year")});
    const auto date = parseDmy(r.text("chl_date"));
    db::insertRow(conn, table,
                  {{"code_no", r.text("code_no")},
                   {"ass_year", r.integer("ass_year")},
                   {"srno", std::stoll(serial)},
                   {"bsr_code", r.text("bsr_code")},
                   {"date", date ? db::Value(formatIso(*date)) : db::Value()},
                   {"chsrno", r.text("serial_no")},
                   {"amt", r.money("amount").value_or(Money()).text()}});
  }
}

}  // namespace

std::vector<db::Migration> headsMigrations() {
  return {
      {600, "salary: employers, their allowances and the exempt part",
       {
           "CREATE TABLE income_salary (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "empr_num INTEGER NOT NULL, empr_name VARCHAR(255) DEFAULT '', empr_tan VARCHAR(10) DEFAULT '', "
           "empr_catg VARCHAR(8) DEFAULT '', empr_add VARCHAR(255) DEFAULT '', empr_city VARCHAR(100) DEFAULT '', "
           "empr_state VARCHAR(100) DEFAULT '', empr_pin VARCHAR(6) DEFAULT '', salary DECIMAL(15,2) DEFAULT 0, "
           "perquisites DECIMAL(15,2) DEFAULT 0, profits DECIMAL(15,2) DEFAULT 0, entertain DECIMAL(15,2) DEFAULT 0, "
           "proftax DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, empr_num))",
           "CREATE TABLE other_allow (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "empr_num INTEGER NOT NULL, srno INTEGER NOT NULL, particulars VARCHAR(255) DEFAULT '', "
           "amount DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, empr_num, srno))",
           "CREATE TABLE tab_exempt (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "empr_num INTEGER NOT NULL, srno INTEGER NOT NULL, allow_typ VARCHAR(8) DEFAULT '', "
           "received DECIMAL(15,2) DEFAULT 0, exempt DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, empr_num, srno))",
       }},
      {601, "house property: houses, co-owners and tenants",
       {
           // let_typ is the return's code: Y let out, D deemed let out, N self-occupied.
           "CREATE TABLE income_house (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "house_no INTEGER NOT NULL, address VARCHAR(255) DEFAULT '', city VARCHAR(100) DEFAULT '', "
           "state VARCHAR(100) DEFAULT '', pin VARCHAR(6) DEFAULT '', let_typ VARCHAR(1) DEFAULT 'Y', "
           "share_pct INTEGER DEFAULT 100, rent DECIMAL(15,2) DEFAULT 0, unrealised DECIMAL(15,2) DEFAULT 0, "
           "muni_tax DECIMAL(15,2) DEFAULT 0, interest DECIMAL(15,2) DEFAULT 0, loan_dt DATE, "
           "arrears DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, house_no))",
           "CREATE TABLE hpcoowndet (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "house_no INTEGER NOT NULL, srno INTEGER NOT NULL, name VARCHAR(125) DEFAULT '', "
           "pan VARCHAR(10) DEFAULT '', share_pct INTEGER DEFAULT 0, PRIMARY KEY (code_no, ass_year, house_no, srno))",
           "CREATE TABLE hptenantdet (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "house_no INTEGER NOT NULL, srno INTEGER NOT NULL, name VARCHAR(125) DEFAULT '', "
           "pan VARCHAR(10) DEFAULT '', PRIMARY KEY (code_no, ass_year, house_no, srno))",
       }},
      {602, "other sources: receipts, exempt income, special-rate income, NSC and KVP",
       {
           "CREATE TABLE other_income (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "nature VARCHAR(8) DEFAULT '', particulars VARCHAR(255) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
           "CREATE TABLE oth_inc (code_no VARCHAR(80) NOT NULL, assyear INTEGER NOT NULL, "
           "expenses DECIMAL(15,2) DEFAULT 0, depreciation DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, assyear))",
           "CREATE TABLE incitemdet (code_no VARCHAR(80) NOT NULL, tyear INTEGER NOT NULL, typ VARCHAR(16) NOT NULL, "
           "srno INTEGER NOT NULL, particulars VARCHAR(255) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, tyear, typ, srno))",
           "CREATE TABLE sprtothinc (code_no VARCHAR(80) NOT NULL, tyear INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "seccode VARCHAR(16) DEFAULT '', particulars VARCHAR(255) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, tyear, srno))",
           // rebtyp: 1 NSC, 2 KVP.
           "CREATE TABLE rebate_nsc (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, rebtyp VARCHAR(1) NOT NULL, "
           "srno INTEGER NOT NULL, purchasedt DATE, amount DECIMAL(15,2) DEFAULT 0, certno VARCHAR(64) DEFAULT '', "
           "issuedby VARCHAR(255) DEFAULT '', rate DECIMAL(6,2) DEFAULT 0, interest DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, rebtyp, srno))",
       }},
      {603, "losses brought forward",
       {
           // part: 0 house property, 1 business, 2 unabsorbed depreciation, 3 speculation,
           // 5 short-term capital loss, 6 long-term capital loss, 7 race horses, 8 specified business.
           "CREATE TABLE losses (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "part INTEGER NOT NULL, loss_ay INTEGER NOT NULL, amount DECIMAL(15,2) DEFAULT 0, "
           "intime VARCHAR(1) DEFAULT 'Y', PRIMARY KEY (code_no, ass_year, srno))",
       }},
      {604, "Chapter VI-A: claims by section, their options, donations and the donees",
       {
           "CREATE TABLE deductionnew (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "section VARCHAR(16) DEFAULT '', particulars VARCHAR(255) DEFAULT '', claimed DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
           "CREATE TABLE deduction (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "senior_self VARCHAR(1) DEFAULT 'N', senior_parents VARCHAR(1) DEFAULT 'N', "
           "severe_disab VARCHAR(1) DEFAULT 'N', PRIMARY KEY (code_no, ass_year))",
           // catg: 100 or 50 per cent, L when the qualifying limit of s.80G(4) applies.
           "CREATE TABLE donee_master (doneecd {{ID}}, name VARCHAR(125) NOT NULL DEFAULT '', "
           "pan VARCHAR(10) DEFAULT '', address VARCHAR(255) DEFAULT '', city VARCHAR(100) DEFAULT '', "
           "state VARCHAR(100) DEFAULT '', pin VARCHAR(6) DEFAULT '', catg VARCHAR(4) DEFAULT '50L')",
           "CREATE TABLE ded80g (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "doneecd BIGINT NOT NULL, amount DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
       }},
      {605, "taxes paid: TDS and TCS, advance tax, self-assessment tax",
       {
           "CREATE TABLE secdesc_items (itemcd VARCHAR(16) NOT NULL PRIMARY KEY, section VARCHAR(16) NOT NULL, "
           "descr VARCHAR(255) DEFAULT '', ord INTEGER DEFAULT 0)",
           // partid: the head the income belongs to (1 salary, 2 house property,
           // 3 business, 4 capital gains, 5 other sources).
           "CREATE TABLE tds (code_no VARCHAR(80) NOT NULL, asyear INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "itemcd VARCHAR(16) DEFAULT '', dedname VARCHAR(125) DEFAULT '', dedtan VARCHAR(10) DEFAULT '', "
           "dedadd VARCHAR(255) DEFAULT '', utcn VARCHAR(16) DEFAULT '', deddt VARCHAR(10) DEFAULT '', "
           "totinc DECIMAL(15,2) DEFAULT 0, tdsded DECIMAL(15,2) DEFAULT 0, tdsclaim DECIMAL(15,2) DEFAULT 0, "
           "spouseclaim DECIMAL(15,2) DEFAULT 0, partid INTEGER DEFAULT 0, PRIMARY KEY (code_no, asyear, srno))",
           "CREATE TABLE adv_tax (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "bsr_code VARCHAR(7) DEFAULT '', `date` DATE, chsrno VARCHAR(5) DEFAULT '', amt DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
           "CREATE TABLE self_tax (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "bsr_code VARCHAR(7) DEFAULT '', `date` DATE, chsrno VARCHAR(5) DEFAULT '', amt DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
       },
       seedTdsItems},
      {606, "relief u/ss 89, 90, 90A and 91",
       {
           "CREATE TABLE income_relief (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "rel89 DECIMAL(15,2) DEFAULT 0, rel90 DECIMAL(15,2) DEFAULT 0, rel90a DECIMAL(15,2) DEFAULT 0, "
           "rel91 DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year))",
       }},
      {607, "challans paid become the year's advance and self-assessment tax", {}, moveChallans},
      {608, "the separate challan table goes", {"DROP TABLE challans"}},
      // s.74A(3): race horses are their own source within other sources, with
      // their own deductions u/s 57, so that a loss from them stays apart.
      {609, "other sources: receipts and deductions of owning and maintaining race horses",
       {"ALTER TABLE oth_inc ADD COLUMN racehorse_receipts DECIMAL(15,2) DEFAULT 0",
        "ALTER TABLE oth_inc ADD COLUMN racehorse_expenses DECIMAL(15,2) DEFAULT 0"}},
  };
}

namespace {
const db::MigrationRegistration registered{headsMigrations};
}  // namespace

}  // namespace meridian::suite::heads
