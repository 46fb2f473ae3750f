// Capital gains that the Act deems to arise in this year although no asset
// was transferred in it: the exemption of an earlier transfer withdrawn
// because the new asset was sold or the bonds were turned into money
// (capital_deemed), and the amount deposited in the capital gains account
// and not used for the new asset within the time (capital_deemn).
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> deemedGainsMigrations() {
  return {
      {860, "Deemed capital gains of the year: exemptions withdrawn (capital_deemed) and amounts left unused for the "
            "new asset, by the previous year of the transfer (capital_deemn)",
       {
           "CREATE TABLE capital_deemed (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "term VARCHAR(1) DEFAULT '', section VARCHAR(6) DEFAULT '', amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
           "CREATE TABLE capital_deemn (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "term VARCHAR(1) DEFAULT '', prev_year INTEGER DEFAULT 0, section VARCHAR(6) DEFAULT '', "
           "new_year INTEGER DEFAULT 0, utilised DECIMAL(15,2) DEFAULT 0, amount DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
       }},
  };
}

const db::MigrationRegistration registered{deemedGainsMigrations};

}  // namespace
}  // namespace meridian::suite::heads
