// Schedule PTI (income passed through by a business trust or an investment
// fund, ss.115UA, 115UB) and Schedule FA (a resident's assets and accounts
// outside India), each a list of rows of the data set and year.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> foreignAssetsAndPassThroughMigrations() {
  return {
      {862, "Schedule PTI: income of each head passed through by a business trust or an investment fund, and the TDS",
       {
           "CREATE TABLE schpti (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "inv_kind VARCHAR(2) DEFAULT '', inv_name VARCHAR(125) DEFAULT '', inv_pan VARCHAR(10) DEFAULT '', "
           "head VARCHAR(4) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, tds DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
       }},
      {863, "Schedule FA: a resident's accounts, interests, property and other assets outside India, by kind",
       {
           "CREATE TABLE schresfa (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "part VARCHAR(1) DEFAULT '', country_cd VARCHAR(8) DEFAULT '', country_nm VARCHAR(125) DEFAULT '', "
           "entity_nm VARCHAR(125) DEFAULT '', address VARCHAR(255) DEFAULT '', nature VARCHAR(125) DEFAULT '', "
           "held_since VARCHAR(10) DEFAULT '', value DECIMAL(15,2) DEFAULT 0, income DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
       }},
  };
}

const db::MigrationRegistration registered{foreignAssetsAndPassThroughMigrations};

}  // namespace
}  // namespace meridian::suite::heads
