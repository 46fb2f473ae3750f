// Schedule 5A: the apportionment of income between spouses governed by the
// Portuguese Civil Code (s.5A), one row per data set and year.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> schedule5AMigrations() {
  return {
      {772, "Schedule 5A: each head's income received and the part apportioned to the spouse, and the TDS likewise",
       {
           "CREATE TABLE incsec5a (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "spouse_nm VARCHAR(125) DEFAULT '', spouse_pan VARCHAR(10) DEFAULT '', "
           "hp_inc DECIMAL(15,2) DEFAULT 0, hp_spouse DECIMAL(15,2) DEFAULT 0, "
           "bp_inc DECIMAL(15,2) DEFAULT 0, bp_spouse DECIMAL(15,2) DEFAULT 0, "
           "cg_inc DECIMAL(15,2) DEFAULT 0, cg_spouse DECIMAL(15,2) DEFAULT 0, "
           "os_inc DECIMAL(15,2) DEFAULT 0, os_spouse DECIMAL(15,2) DEFAULT 0, "
           "tds DECIMAL(15,2) DEFAULT 0, tds_spouse DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year))",
       }},
  };
}

const db::MigrationRegistration registered{schedule5AMigrations};

}  // namespace
}  // namespace meridian::suite::heads
