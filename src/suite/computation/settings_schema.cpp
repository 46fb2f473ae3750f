#include "suite/computation/settings_schema.h"

namespace meridian::suite::computation {

std::vector<db::Migration> settingsMigrations() {
  return {
      {700, "computation settings of a year and the practice's bill particulars",
       {
           // Which of "Upto date" (0, the day the computation is printed)
           // and "Upto Input date" (1, dt_tax_det) interest runs to.
           "ALTER TABLE income ADD COLUMN todate INTEGER DEFAULT 0",
           // The year's printout options (one 0/1 character per box, in the
           // screen's order) and the person who signs.
           "ALTER TABLE new_tab ADD COLUMN opts VARCHAR(32) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN telsh INTEGER DEFAULT 0",
           "ALTER TABLE new_tab ADD COLUMN psr VARCHAR(255) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN fpsr VARCHAR(255) DEFAULT ''",
           "ALTER TABLE new_tab ADD COLUMN caps VARCHAR(255) DEFAULT ''",
           // Interest typed in for a section that is not computed.
           "CREATE TABLE incint234 (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "int234a DECIMAL(15,2) DEFAULT 0, int234b DECIMAL(15,2) DEFAULT 0, int234c DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year))",
           // The signer's relation, whether the PAN is shown, the PAN and the
           // place ("##COMMON##", "##CITY##" or the typed place).
           "CREATE TABLE miscsigndet (code_no VARCHAR(80) NOT NULL, tyear INTEGER NOT NULL, "
           "relat VARCHAR(32) DEFAULT '', panopt INTEGER DEFAULT 0, pan VARCHAR(10) DEFAULT '', "
           "place VARCHAR(255) DEFAULT '', PRIMARY KEY (code_no, tyear))",
           // Set-off order of the losses of the year (set_off_priority.h).
           "CREATE TABLE cylatbl (code_no VARCHAR(80) NOT NULL, tyear INTEGER NOT NULL, "
           "priorities VARCHAR(255) DEFAULT '', PRIMARY KEY (code_no, tyear))",
           "CREATE TABLE bill_othclient (srno INTEGER NOT NULL, name VARCHAR(255) DEFAULT '', "
           "address VARCHAR(500) DEFAULT '', area VARCHAR(255) DEFAULT '', city VARCHAR(255) DEFAULT '', "
           "pincode VARCHAR(10) DEFAULT '', pnoo1 VARCHAR(32) DEFAULT '', pnoo2 VARCHAR(32) DEFAULT '', "
           "pnor1 VARCHAR(32) DEFAULT '', pnor2 VARCHAR(32) DEFAULT '', mobno VARCHAR(32) DEFAULT '', "
           "PRIMARY KEY (srno))",
       }},
  };
}

namespace {
const db::MigrationRegistration registered{settingsMigrations};
}  // namespace

}  // namespace meridian::suite::computation
