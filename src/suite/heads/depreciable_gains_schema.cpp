// Capital gains on depreciable assets (s.50): the block of assets, its rate,
// what the assets transferred fetched, the written-down value of the block
// with the year's additions, and the expenses of the transfer. The gain is
// worked from these, never stored.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> depreciableGainsMigrations() {
  return {
      {861, "Capital gains on depreciable assets (s.50): block, rate, consideration, written-down value with "
            "additions, expenses of transfer",
       {
           "CREATE TABLE capital_depr (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "block VARCHAR(60) DEFAULT '', rate INTEGER DEFAULT 0, sale_val DECIMAL(15,2) DEFAULT 0, "
           "wdv DECIMAL(15,2) DEFAULT 0, exp_trf DECIMAL(15,2) DEFAULT 0, ceased VARCHAR(1) DEFAULT 'N', "
           "PRIMARY KEY (code_no, ass_year, srno))",
       }},
  };
}

const db::MigrationRegistration registered{depreciableGainsMigrations};

}  // namespace
}  // namespace meridian::suite::heads
