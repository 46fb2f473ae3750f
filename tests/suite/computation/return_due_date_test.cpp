// Interest u/s 234A of a stored year runs from the due date the due-date
// masters give the client's category, extended or not, and an order that
// extended the date "not for s.234A" leaves it running from the first date.
#include <gtest/gtest.h>

#include "suite/computation/return_due_date.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/year_input_loader.h"
#include "support/db_fixture.h"

namespace meridian::suite::computation {
namespace {

class ReturnDueDateOfYear : public testsupport::DbTest {
 protected:
  // A resident individual under sixty with interest of 10,00,000, no tax paid,
  // interest computed up to the date typed as the date of computation.
  void person(const std::string& code, bool audited, int year, const std::string& computedOn) {
    conn().execute("INSERT INTO owner1 (code, f_nm, status, sex, dob, auditc) VALUES (?, ?, 'INDIVIDUAL', 'MALE', "
                   "'01/01/1970', ?)",
                   {code, "Person " + code, audited ? "Y" : "N"});
    conn().execute("INSERT INTO income (code_no, ass_year, todate, dt_tax_det) VALUES (?, ?, 1, ?)",
                   {code, year, computedOn});
    conn().execute("INSERT INTO other_income (code_no, ass_year, srno, nature, amount) VALUES (?, ?, 1, 'INT', 1000000)",
                   {code, year});
  }
};

TEST_P(ReturnDueDateOfYear, InterestUs234aCountsMonthsFromTheMastersDate) {
  // Tax on 10,00,000: A.Y. 2016-17, 10 % of 2,50,000 + 20 % of 5,00,000 =
  // 1,25,000 + cess 3 % = 1,28,750 -> 1,28,700 (Rule 119A(b)) x 1 % = 1,287 a
  // month. A.Y. 2014-15 (exemption 2,00,000): 30,000 + 1,00,000 = 1,30,000 +
  // 3,900 = 1,33,900 -> 1,339 a month. A part of a month is a month (Rule 119A(a)).
  struct Case {
    const char* name;
    int year;
    bool audited;
    const char* computedOn;
    int months;
    std::int64_t interest;
  } cases[] = {
      // 2016-17, audited: 30/09/2016 extended to 17/10/2016 (CBDT order of 09/09/2016).
      {"on the extended date", 2016, true, "17/10/2016", 0, 0},
      {"a day after it", 2016, true, "18/10/2016", 1, 1287},
      {"a month after it", 2016, true, "17/11/2016", 1, 1287},
      {"a month and a day after it", 2016, true, "18/11/2016", 2, 2574},
      // 2016-17, no audit: 31/07/2016 extended to 05/08/2016.
      {"on 5 August", 2016, false, "05/08/2016", 0, 0},
      {"on 6 August", 2016, false, "06/08/2016", 1, 1287},
      // 2014-15, audited: 30/09/2014 extended to 30/11/2014 "not for s.234A":
      // 1 October to 30 November, two months, though filed in time.
      {"by the extension that spared not s.234A", 2014, true, "30/11/2014", 2, 2678},
      {"on the first date", 2014, true, "30/09/2014", 0, 0},
      {"a day after the first date", 2014, true, "01/10/2014", 1, 1339},
      // 2014-15, no audit: 31/07/2014, never extended.
      {"a day late, not extended", 2014, false, "01/08/2014", 1, 1339},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string code = "P" + std::to_string(++n);
    person(code, c.audited, c.year, c.computedOn);
    const auto loaded = heads::loadYearInput(conn(), {code, code, c.year});
    const engine::YearResult r = engine::computeYear(loaded.input);
    EXPECT_EQ(r.interest.months234a, c.months) << c.name;
    EXPECT_EQ(r.interest.s234a, Money::rupees(c.interest)) << c.name;
  }
}

TEST_P(ReturnDueDateOfYear, AReturnByTheExtendedDateCarriesItsLoss) {
  // A.Y. 2016-17, audited, a business loss of 50,000 (no other income) in a
  // return on 17/10/2016, after 30 September but by the extended date: the
  // loss is carried (s.80 reads the due date of s.139(1) as extended).
  person("L1", true, 2016, "17/10/2016");
  conn().execute("DELETE FROM other_income WHERE code_no = 'L1'");
  auto in = heads::loadYearInput(conn(), {"L1", "L1", 2016}).input;
  in.business.netProfit = Money::rupees(-50000);
  const auto r = engine::computeYear(in);
  ASSERT_EQ(r.setOff.rows.size(), 1u);
  EXPECT_EQ(r.setOff.rows[0].carried, Money::rupees(50000));
}

MERIDIAN_ON_BOTH_ENGINES(ReturnDueDateOfYear);

}  // namespace
}  // namespace meridian::suite::computation
