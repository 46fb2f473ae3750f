// Schedule FSI: income from outside India, country by country and head by
// head, with the tax paid there and the section of the relief claimed
// (ss.90, 90A, 91). Rows of kind "CRREF" are not income rows and are left to
// the tax-relief summary.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> foreignIncomeMigrations() {
  return {
      {773, "Schedule FSI: income from outside India by country and head, tax paid outside and the relief's section",
       {
           "CREATE TABLE taxrelsch (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "rowtyp VARCHAR(8) DEFAULT 'FSI', country_cd VARCHAR(8) DEFAULT '', country_nm VARCHAR(125) DEFAULT '', "
           "tin VARCHAR(40) DEFAULT '', head VARCHAR(4) DEFAULT '', income DECIMAL(15,2) DEFAULT 0, "
           "taxpaid DECIMAL(15,2) DEFAULT 0, relsec VARCHAR(4) DEFAULT '', PRIMARY KEY (code_no, ass_year, rowtyp, srno))",
       }},
  };
}

const db::MigrationRegistration registered{foreignIncomeMigrations};

}  // namespace
}  // namespace meridian::suite::heads
