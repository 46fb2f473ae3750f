// Schedule DDT/BBS of a company's year: each distribution (dividend u/s
// 115-O, "N", or buy-back of unlisted shares u/s 115QA, "Y") and the tax paid
// on it.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> distributionMigrations() {
  return {
      {774, "Schedule DDT/BBS: a company's distributions and the tax paid on each",
       {
           "CREATE TABLE geninfo_schj (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "flagbbs VARCHAR(2) DEFAULT '', dist_dt DATE, amount DECIMAL(15,2) DEFAULT 0, "
           "received DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, srno))",
           "CREATE TABLE dist_tax (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, schj_srno INTEGER NOT NULL, "
           "srno INTEGER NOT NULL, bsr_code VARCHAR(7) DEFAULT '', paid_dt DATE, chsrno VARCHAR(5) DEFAULT '', "
           "amt DECIMAL(15,2) DEFAULT 0, PRIMARY KEY (code_no, ass_year, schj_srno, srno))",
       }},
  };
}

const db::MigrationRegistration registered{distributionMigrations};

}  // namespace
}  // namespace meridian::suite::heads
