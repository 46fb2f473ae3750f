// The key persons of a company's year and the DPIN of an LLP's partners.
#include "db/migrations.h"

namespace meridian::suite::geninfo {
namespace {

std::vector<db::Migration> keyPersonsMigrations() {
  return {{850,
           "key persons of a company (name, designation, PAN, DIN); DPIN of the persons linked to a client",
           {
               // desig: a code of key_persons.cpp's designations (DIR, MD, WTD ...).
               "CREATE TABLE geninfo_schh_13 (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
               "srno INTEGER NOT NULL, name VARCHAR(125) DEFAULT '', desig VARCHAR(8) DEFAULT '', "
               "pan VARCHAR(10) DEFAULT '', din VARCHAR(8) DEFAULT '', PRIMARY KEY (code_no, ass_year, srno))",
               // A partner's DPIN belongs to the person, not to the year.
               "ALTER TABLE owner1 ADD COLUMN dpin VARCHAR(8) DEFAULT ''",
           }}};
}

const db::MigrationRegistration registered{keyPersonsMigrations};

}  // namespace
}  // namespace meridian::suite::geninfo
