#include "filing/filing_schema.h"

namespace meridian::filing {

std::vector<db::Migration> filingMigrations() {
  return {
      {500, "register of returns and orders",
       {
           // Always written positionally: the column order is part of the format.
           // Dates are text: orderdt "yyyy-mm-dd", the others dd/mm/yyyy as entered.
           // Interest amounts are whole rupees, as the department's orders state them.
           "CREATE TABLE nrevordr (code_no VARCHAR(80) NOT NULL, asyear INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "typ VARCHAR(1) NOT NULL DEFAULT 'R', flagyn VARCHAR(1) NOT NULL DEFAULT 'N', ackdt VARCHAR(10) DEFAULT '', "
           "ackno VARCHAR(64) DEFAULT '', uptyp VARCHAR(2) DEFAULT '0', postdt VARCHAR(10) DEFAULT '', "
           "acptdt VARCHAR(10) DEFAULT '', acptno VARCHAR(64) DEFAULT '', secsrno INTEGER DEFAULT 0, "
           "asmt VARCHAR(20) DEFAULT '0', orderdt VARCHAR(10) DEFAULT '', dt2 VARCHAR(10) DEFAULT '', "
           "dt3 VARCHAR(10) DEFAULT '', dt4 VARCHAR(10) DEFAULT '', tax234b BIGINT DEFAULT 0, tax234c BIGINT DEFAULT 0, "
           "PRIMARY KEY (code_no, asyear, srno))",
           // Refunds granted under an order, stored under the order's data-set code.
           "CREATE TABLE nordrefs (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "grantdt VARCHAR(10) DEFAULT '', taxa BIGINT DEFAULT 0, inta BIGINT DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
       }},
      {501, "filing details of the last return of a year",
       {
           "CREATE TABLE pending (code_no VARCHAR(80) NOT NULL, name VARCHAR(255) DEFAULT '', "
           "assyear VARCHAR(7) NOT NULL, retdate VARCHAR(10) DEFAULT '', srno VARCHAR(8) DEFAULT '', "
           "orddate VARCHAR(10) DEFAULT '', asamt BIGINT DEFAULT 0, ackno VARCHAR(64) DEFAULT '', "
           "PRIMARY KEY (code_no, assyear))",
           "CREATE TABLE itrvdet (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, typ VARCHAR(2) DEFAULT '0', "
           "postdt VARCHAR(10) DEFAULT '', acptdt VARCHAR(10) DEFAULT '', acptno VARCHAR(64) DEFAULT '', "
           "procdt VARCHAR(10) DEFAULT '', PRIMARY KEY (code_no, ass_year))",
           "CREATE TABLE itretstproc (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "procstat VARCHAR(255) DEFAULT '', PRIMARY KEY (code_no, ass_year, srno))",
       }},
      {502, "partners' remuneration and its snapshot per data set",
       {
           // part_remu belongs to the firm-income screens of the business
           // module; the register is its first user, so it is created here.
           "CREATE TABLE part_remu (code VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, "
           "pro_rate DECIMAL(9,4) DEFAULT 0, intt_rate DECIMAL(9,4) DEFAULT 0, intt BIGINT DEFAULT 0, "
           "remun BIGINT DEFAULT 0, profit BIGINT DEFAULT 0, allremu BIGINT DEFAULT 0, remall BIGINT DEFAULT 0, "
           "PRIMARY KEY (code, t_year))",
           "CREATE TABLE nremutbl (code_no VARCHAR(80) NOT NULL, code VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, "
           "pro_rate DECIMAL(9,4) DEFAULT 0, intt_rate DECIMAL(9,4) DEFAULT 0, intt BIGINT DEFAULT 0, "
           "remun BIGINT DEFAULT 0, profit BIGINT DEFAULT 0, allremu BIGINT DEFAULT 0, remall BIGINT DEFAULT 0, "
           "PRIMARY KEY (code_no, code, t_year))",
       }},
  };
}

namespace {
const db::MigrationRegistration registered{filingMigrations};
}  // namespace

}  // namespace meridian::filing
