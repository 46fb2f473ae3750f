// Migrations 820-829: the undertakings whose profits from export are
// deducted (ss.10A, 10AA), and the depreciation each business's profit and
// loss account debits, which the computation adds back before it takes the
// depreciation the Act allows (s.32).
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> exportUnitMigrations() {
  return {
      {820, "undertakings whose profits from export are deducted u/s 10A or 10AA",
       {
           // section: 10A or 10AA. first_ay: the first calendar year of the
           // A.Y. of the previous year the undertaking began to manufacture
           // or produce, or to provide services. reserve: credited to the
           // re-investment reserve; claimed: 0 takes the deduction the law gives.
           "CREATE TABLE business_sec10 (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "srno INTEGER NOT NULL, undertaking VARCHAR(125) DEFAULT '', section VARCHAR(4) DEFAULT '10AA', "
           "first_ay INTEGER DEFAULT 0, profit DECIMAL(15,2) DEFAULT 0, exp_turnover DECIMAL(15,2) DEFAULT 0, "
           "tot_turnover DECIMAL(15,2) DEFAULT 0, reserve DECIMAL(15,2) DEFAULT 0, claimed DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year, srno))",
       }},
      {821, "depreciation debited to each business's profit and loss account",
       {"ALTER TABLE income_business ADD COLUMN dep_debited DECIMAL(15,2) DEFAULT 0"}},
  };
}

const db::MigrationRegistration registered{exportUnitMigrations};

}  // namespace
}  // namespace meridian::suite::heads
