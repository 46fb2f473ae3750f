// Challans kept in the old table of their own become the year's advance tax
// and self-assessment tax when the database is upgraded.
#include <gtest/gtest.h>

#include "db/migrations.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

class HeadsSchema : public testsupport::DbTest {};

TEST_P(HeadsSchema, ChallansPaidMoveIntoTheYearsTaxesPaid) {
  auto old = testsupport::TestDatabase::create(GetParam(), false);
  db::Connection& c = old->conn();
  std::vector<db::Migration> before;
  for (const auto& m : db::allMigrations())
    if (m.version < 607) before.push_back(m);
  db::migrate(c, before);
  c.execute("INSERT INTO challans (code_no, ass_year, chl_date, bsr_code, serial_no, tax_type, amount) VALUES "
            "('C1', 2016, '15/09/2015', '0510308', '00012', 'Advance Tax (100)', 10000), "
            "('C1', 2016, '20/07/2016', '0510308', '00345', 'Self Assessment Tax (300)', 2500), "
            "('C1', 2016, '15/12/2015', '0510308', '00020', 'Advance Tax (100)', 12000)");
  db::migrate(c, db::allMigrations());
  EXPECT_FALSE(c.hasTable("challans"));
  const auto advance = c.query("SELECT srno, `date`, chsrno, amt FROM adv_tax WHERE code_no = 'C1' AND ass_year = 2016 "
                               "ORDER BY srno");
  ASSERT_EQ(advance.size(), 2u);
  EXPECT_EQ(advance[0].text("date").substr(0, 10), "2015-09-15");
  EXPECT_EQ(advance[1].text("chsrno"), "00020");
  EXPECT_EQ(advance[1].text("srno"), "2") << "numbered within the year";
  EXPECT_EQ(c.scalar("SELECT chsrno FROM self_tax WHERE code_no = 'C1'"), "00345");
  EXPECT_EQ(Money::parse(c.scalar("SELECT amt FROM self_tax WHERE code_no = 'C1'")), Money::rupees(2500));
}

MERIDIAN_ON_BOTH_ENGINES(HeadsSchema);

}  // namespace
}  // namespace meridian::suite::heads
