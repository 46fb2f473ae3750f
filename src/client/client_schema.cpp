#include "client/client_schema.h"

namespace meridian::client {

std::vector<db::Migration> clientMigrations() {
  return {
      {300, "client particulars by year and the client information year tables",
       {
           // ass_year is text ("2016") in new_tab, a number in the other year tables.
           "CREATE TABLE new_tab (code_no VARCHAR(80) NOT NULL, ass_year VARCHAR(4) NOT NULL, "
           "h_no VARCHAR(255) DEFAULT '', h_nm VARCHAR(255) DEFAULT '', street VARCHAR(255) DEFAULT '', "
           "area VARCHAR(255) DEFAULT '', city VARCHAR(255) DEFAULT '', state VARCHAR(255) DEFAULT '', "
           "pin BIGINT DEFAULT 0, country VARCHAR(64) DEFAULT '', off_nm VARCHAR(255) DEFAULT '', "
           "off_h_no VARCHAR(255) DEFAULT '', off_h_nm VARCHAR(255) DEFAULT '', off_street VARCHAR(255) DEFAULT '', "
           "off_area VARCHAR(255) DEFAULT '', off_city VARCHAR(255) DEFAULT '', off_state VARCHAR(255) DEFAULT '', "
           "off_pin BIGINT DEFAULT 0, mat_st VARCHAR(32) DEFAULT '', nation VARCHAR(32) DEFAULT '', "
           "gir VARCHAR(64) DEFAULT '', ward VARCHAR(255) DEFAULT '', `range` VARCHAR(255) DEFAULT '', "
           "ward_no VARCHAR(64) DEFAULT '', pan VARCHAR(10) DEFAULT '', d_d VARCHAR(4) DEFAULT '0', "
           "ind_not VARCHAR(255) DEFAULT '', dob VARCHAR(10) DEFAULT '', addo VARCHAR(4) DEFAULT '', "
           "auditc VARCHAR(4) DEFAULT '', referdd VARCHAR(10) DEFAULT '', dd_d BIGINT DEFAULT 0, "
           "areacd VARCHAR(8) DEFAULT '', areatyp VARCHAR(8) DEFAULT '', aorng VARCHAR(8) DEFAULT '', "
           "aono VARCHAR(8) DEFAULT '', rep92e VARCHAR(4) DEFAULT '0', PRIMARY KEY (code_no, ass_year))",
           "CREATE TABLE geninfo_miscinf (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "opt44aa VARCHAR(4) DEFAULT '0', PRIMARY KEY (code_no, ass_year))",
           "CREATE TABLE form3a_geninfo (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "minmrate VARCHAR(4) DEFAULT '0', PRIMARY KEY (code_no, ass_year))",
           "CREATE TABLE tempaddlist (street VARCHAR(255) DEFAULT '', area VARCHAR(255) DEFAULT '', "
           "city VARCHAR(255) DEFAULT '', state VARCHAR(255) DEFAULT '')",
       }},
      {301, "the year particulars' row version; the address offers of a session",
       {
           "ALTER TABLE new_tab ADD COLUMN row_version BIGINT NOT NULL DEFAULT 0",
           "ALTER TABLE tempaddlist ADD COLUMN session_key VARCHAR(40) NOT NULL DEFAULT ''",
           "CREATE INDEX tempaddlist_session ON tempaddlist (session_key)",
       }},
  };
}

namespace {
const db::MigrationRegistration registered{clientMigrations};
}  // namespace

}  // namespace meridian::client
