// Migrations 840-849: the shares of income the client receives as a member of
// an association of persons or body of individuals (s.86), one row per AOP or
// BOI of the year in memsharedet, keyed like every year table by the data set
// (code_no), the year (t_year) and a serial number in the screen's order.
#include <vector>

#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> memberShareMigrations() {
  return {
      {840, "shares of income as a member of an AOP or BOI",
       {
           // tax_basis: how the AOP or BOI is charged on its own total income
           // (s.86 and its provisos): M at the maximum marginal rate or a
           // higher rate (s.167B), N at the normal rates, X not chargeable to
           // tax at all. share_pct: the member's share as the instrument of
           // the AOP fixes it, in per cent.
           "CREATE TABLE memsharedet (code_no VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
           "aop_name VARCHAR(125) DEFAULT '', aop_pan VARCHAR(10) DEFAULT '', share_pct DECIMAL(6,2) DEFAULT 0, "
           "share_inc DECIMAL(15,2) DEFAULT 0, tax_basis VARCHAR(1) DEFAULT '', "
           "PRIMARY KEY (code_no, t_year, srno))",
       }},
  };
}

const db::MigrationRegistration registered{memberShareMigrations};

}  // namespace
}  // namespace meridian::suite::heads
