// The tables of the return screen: the filing particulars of a data set and
// year, and the practice's return preparers.
#include "db/migrations.h"

namespace meridian::itr {

namespace {

std::vector<db::Migration> itrMigrations() {
  return {
      {750, "filing particulars of a return: section, refund mode, preparer, verification; IFSC of bank accounts",
       {
           // The section code ("11" ... "20") the return is filed under.
           "ALTER TABLE geninfo_miscinf ADD COLUMN section VARCHAR(4) DEFAULT ''",
           // Facts of the year that decide which forms apply.
           "ALTER TABLE geninfo_miscinf ADD COLUMN repass VARCHAR(4) DEFAULT '0'",
           "ALTER TABLE geninfo_miscinf ADD COLUMN opt44ab VARCHAR(4) DEFAULT '0'",
           "CREATE TABLE geninfo_retdet (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "trpsrno INTEGER DEFAULT 0, trpamt DECIMAL(15,2) DEFAULT 0, refm VARCHAR(4) DEFAULT '', "
           "section1 VARCHAR(16) DEFAULT '', vername VARCHAR(255) DEFAULT '', verfname VARCHAR(255) DEFAULT '', "
           "verpan VARCHAR(10) DEFAULT '', verplace VARCHAR(255) DEFAULT '', verdate VARCHAR(10) DEFAULT '', "
           "PRIMARY KEY (code_no, ass_year))",
           "CREATE TABLE trp_master (srno {{ID}}, trpnm VARCHAR(125) NOT NULL DEFAULT '', "
           "trpid VARCHAR(16) NOT NULL DEFAULT '')",
           "ALTER TABLE bank_details ADD COLUMN ifsc VARCHAR(11) DEFAULT ''",
       }},
      {851, "capacity in which the person signing verifies the return",
       {
           "ALTER TABLE geninfo_retdet ADD COLUMN vercaps VARCHAR(255) DEFAULT ''",
       }},
  };
}

const db::MigrationRegistration registered{itrMigrations};

}  // namespace

}  // namespace meridian::itr
