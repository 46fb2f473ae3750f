// Facts of a year that change how it is taxed but have no head of their own:
// the dividends received from domestic companies (exempt u/s 10(34) up to the
// threshold of s.115BBDA, taxed above it) on the other-sources screen, and the
// day a business first earned, which lets s.234C leave its income out of the
// instalments that fell due before it (proviso, clause (c)); the MAT/AMT
// credit rows a later year was given in place of an earlier year's own; and
// when winnings and dividends u/s 115BBDA arose and when deemed capital gains
// are deemed to arise, which the s.234C proviso also reads (clauses (a),
// (b), (d)); and the head income clubbed with the client's was computed under.
#include "db/migrations.h"

namespace meridian::suite::heads {
namespace {

std::vector<db::Migration> yearFactsMigrations() {
  return {
      {810, "other sources: dividends received from domestic companies (s.10(34), s.115BBDA)",
       {"ALTER TABLE oth_inc ADD COLUMN dividend_domestic DECIMAL(15,2) DEFAULT 0"}},
      {811, "businesses: the day a business first earned, for the s.234C proviso",
       {"ALTER TABLE income_business ADD COLUMN first_earned DATE"}},
      // A year's own credit row and the settled figures of an earlier year
      // brought into a later one are kept apart (suite/heads/tax_credit_history.h).
      {870, "MAT/AMT credit: rows brought into a later year kept apart from the year's own",
       {"ALTER TABLE taxcr115jbc1 ADD COLUMN carried_into INTEGER DEFAULT 0"}},
      // One row per kind (W winnings, D dividends u/s 115BBDA), the amounts
      // by the periods between the advance-tax dates, as the return's
      // schedule of other sources asks for them.
      {871, "other sources: winnings and dividends u/s 115BBDA by the period in which they arose",
       {"CREATE TABLE oth_arising (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, srno INTEGER NOT NULL, "
        "kind VARCHAR(1) DEFAULT '', upto_15_6 DECIMAL(15,2) DEFAULT 0, upto_15_9 DECIMAL(15,2) DEFAULT 0, "
        "upto_15_12 DECIMAL(15,2) DEFAULT 0, upto_15_3 DECIMAL(15,2) DEFAULT 0, upto_31_3 DECIMAL(15,2) DEFAULT 0, "
        "PRIMARY KEY (code_no, ass_year, srno))"}},
      {872, "deemed capital gains: the date each is deemed to arise",
       {"ALTER TABLE capital_deemed ADD COLUMN arise_dt DATE", "ALTER TABLE capital_deemn ADD COLUMN arise_dt DATE"}},
      // Blank for rows kept before: other sources, where they were computed.
      {873, "income clubbed: the head each income was computed under",
       {"ALTER TABLE mininc ADD COLUMN head VARCHAR(24) DEFAULT ''",
        "ALTER TABLE clubinc ADD COLUMN head VARCHAR(24) DEFAULT ''"}},
  };
}

const db::MigrationRegistration registered{yearFactsMigrations};

}  // namespace
}  // namespace meridian::suite::heads
