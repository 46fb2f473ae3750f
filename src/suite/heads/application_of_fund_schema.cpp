// The application of a trust's income (s.11): what the property held under
// trust yielded, what was applied to its purposes in India, what was set
// apart or accumulated, and the income chargeable u/s 11(4) on a business
// held under trust. One row per data set and year.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> applicationOfFundMigrations() {
  return {
      {864, "Application of a trust's income: income derived, applied, set apart, accumulated u/s 11(2), the business "
            "undertaking's income as in its accounts and the income chargeable u/s 11(4)",
       {
           "CREATE TABLE appfund (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "income_derived DECIMAL(15,2) DEFAULT 0, applied DECIMAL(15,2) DEFAULT 0, "
           "accum_15 DECIMAL(15,2) DEFAULT 0, accum_11_2 DECIMAL(15,2) DEFAULT 0, "
           "bus_books DECIMAL(15,2) DEFAULT 0, charge_11_4 DECIMAL(15,2) DEFAULT 0, "
           "PRIMARY KEY (code_no, ass_year))",
       }},
  };
}

const db::MigrationRegistration registered{applicationOfFundMigrations};

}  // namespace
}  // namespace meridian::suite::heads
