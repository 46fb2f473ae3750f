// The year tables of the general information, keyed by the data set
// (code_no) and the year column the data-set copy lists for each (itdoc by
// t_year, the others by ass_year). Amounts are DECIMAL(15,2); flags 'Y'/'N'.
#include "db/migrations.h"

namespace meridian::suite::geninfo {
namespace {

std::vector<db::Migration> generalInfoMigrations() {
  return {{780,
           "general information: no-account figures, Schedule AL, enclosures, other details",
           {
               // One row per year. booksmaint: 'Y' when regular books of
               // account are kept, so the no-account figures do not apply.
               "CREATE TABLE geninfo_balpl (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
               "booksmaint VARCHAR(1) DEFAULT 'N', grossrcpt DECIMAL(15,2) DEFAULT 0, "
               "grossprofit DECIMAL(15,2) DEFAULT 0, expenses DECIMAL(15,2) DEFAULT 0, "
               "netprofit DECIMAL(15,2) DEFAULT 0, sundrydebtors DECIMAL(15,2) DEFAULT 0, "
               "sundrycreditors DECIMAL(15,2) DEFAULT 0, stockintrade DECIMAL(15,2) DEFAULT 0, "
               "cashbal DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year))",
               // One row per year, at cost; the sub-totals are sums of these.
               // detgiven: 'Y' when the details are marked as given.
               "CREATE TABLE itrschal (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
               "detgiven VARCHAR(1) DEFAULT 'N', land DECIMAL(15,2) DEFAULT 0, building DECIMAL(15,2) DEFAULT 0, "
               "bankdeposits DECIMAL(15,2) DEFAULT 0, shares DECIMAL(15,2) DEFAULT 0, "
               "insurance DECIMAL(15,2) DEFAULT 0, loansgiven DECIMAL(15,2) DEFAULT 0, "
               "cashinhand DECIMAL(15,2) DEFAULT 0, jewellery DECIMAL(15,2) DEFAULT 0, "
               "artwork DECIMAL(15,2) DEFAULT 0, vehicles DECIMAL(15,2) DEFAULT 0, "
               "liability DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year))",
               "CREATE TABLE itdoc (code_no VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
               "particulars VARCHAR(255) DEFAULT '', PRIMARY KEY (code_no, t_year, srno))",
               // catg: a code of general_info.cpp's categories (EXI, DEI, D36 ...).
               "CREATE TABLE business_othdet (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
               "srno INTEGER NOT NULL, catg VARCHAR(8) DEFAULT '', particulars VARCHAR(255) DEFAULT '', "
               "amount DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
           }},
          {785,
           "general information: the immovable assets of Schedule AL by description and address",
           {
               // One row per asset, by srno. The address is the asset's:
               // h_no, h_nm, street, area, city, the department's state
               // code (statecode, "99" abroad) and pin; amount at cost.
               "CREATE TABLE itrschal_immov (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
               "srno INTEGER NOT NULL, descr VARCHAR(125) DEFAULT '', h_no VARCHAR(50) DEFAULT '', "
               "h_nm VARCHAR(50) DEFAULT '', street VARCHAR(50) DEFAULT '', area VARCHAR(50) DEFAULT '', "
               "city VARCHAR(50) DEFAULT '', statecode VARCHAR(2) DEFAULT '', pin VARCHAR(6) DEFAULT '', "
               "amount DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
           }},
          {830,
           "general information: further lines of the profit and loss account and of the balance sheet",
           {
               // Lines a business with books adds to its accounts beyond the
               // no-account figures, kept by tyear as the data-set copy lists
               // them. side: a code of general_info.cpp's account sides
               // (CR/DR for the profit and loss account, L/A for the
               // balance sheet).
               "CREATE TABLE geninfo_morepl (code_no VARCHAR(80) NOT NULL, tyear INTEGER NOT NULL, "
               "srno INTEGER NOT NULL, side VARCHAR(2) DEFAULT '', particulars VARCHAR(255) DEFAULT '', "
               "amount DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, tyear, srno))",
               "CREATE TABLE geninfo_morebs (code_no VARCHAR(80) NOT NULL, tyear INTEGER NOT NULL, "
               "srno INTEGER NOT NULL, side VARCHAR(2) DEFAULT '', particulars VARCHAR(255) DEFAULT '', "
               "amount DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, tyear, srno))",
           }}};
}

const db::MigrationRegistration registered{generalInfoMigrations};

}  // namespace
}  // namespace meridian::suite::geninfo
