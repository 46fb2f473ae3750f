// The checks that rest on the year's General Information, read from the
// tables on both engines: Schedule AL above the limit of total income, and
// the net profit of a business without books. Each stops on its fact and
// passes on the fact beside it.
#include <gtest/gtest.h>

#include "itr/check_cases.h"
#include "itr/plain_return_year.h"
#include "itr/filing_checks.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

const CivilDate kToday = *makeDate(1, 8, 2017);

std::optional<CheckResult> outcomeOf(const std::vector<CheckResult>& rs, const std::string& check) {
  for (const auto& r : rs)
    if (r.check == check) return r;
  return std::nullopt;
}

const std::string kScheduleAL =
    "Total Income exceeds Rs. 50,00,000.\r\n\r\nSchedule AL [Details of Asset and Liability at the end of the year "
    "(Other than those included in PartA-BS)] is mandatory.";
const std::string kNoAccount = "Sch-PL (No Account Case) : Net Profit should be Gross Profit - Expenses";

class GeneralInfoChecks : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
    // I1 runs a business without books whose profit takes her total income
    // past Rs. 50,00,000.
    conn().execute("INSERT INTO income_business (code_no, ass_year, business_no, bus_name, nature, turnover, "
                   "gross_rec, net_profit) VALUES ('I1', 2016, 1, 'KAVITA TEXTILES', 'B', 9000000, 9000000, 5200000)");
  }
  std::vector<CheckResult> checks() {
    return runFilingChecks(readReturnYear(conn(), "I1", 2016), testing::readyParticulars("CURRENT"),
                           {"ITR-4", true, kToday});
  }
  void expect(const std::string& check, CheckOutcome outcome, const std::string& message = "") {
    const auto r = outcomeOf(checks(), check);
    ASSERT_TRUE(r.has_value()) << check << " was not run";
    EXPECT_EQ(r->outcome, outcome) << r->message;
    if (outcome == CheckOutcome::stopped) {
      EXPECT_EQ(r->message, message);
      EXPECT_EQ(r->focus, "cmdproceed");
    }
  }
  void schAL(const char* given) {
    conn().execute("DELETE FROM itrschal");
    conn().execute("INSERT INTO itrschal (code_no, ass_year, detgiven, land) VALUES ('I1', 2016, ?, 100000)",
                   {std::string(given)});
  }
  void noAccount(const char* books, long long grossProfit, long long expenses, long long netProfit) {
    conn().execute("DELETE FROM geninfo_balpl");
    conn().execute("INSERT INTO geninfo_balpl (code_no, ass_year, booksmaint, grossprofit, expenses, netprofit) "
                   "VALUES ('I1', 2016, ?, ?, ?, ?)",
                   {std::string(books), grossProfit, expenses, netProfit});
  }
};

TEST_P(GeneralInfoChecks, ScheduleALStopsUntilItsDetailsAreMarkedAsGiven) {
  expect("Schedule AL", CheckOutcome::stopped, kScheduleAL);
  schAL("N");
  expect("Schedule AL", CheckOutcome::stopped, kScheduleAL);
  schAL("Y");
  expect("Schedule AL", CheckOutcome::passed);
  // Another data set of the year is not the one marked.
  EXPECT_FALSE(readReturnYear(conn(), "I1^R-1", 2016).assetsAndLiabilitiesGiven);
}

TEST_P(GeneralInfoChecks, ANoAccountNetProfitMustBeGrossProfitLessExpenses) {
  expect("Sch-PL (No Account Case)", CheckOutcome::notExamined);
  noAccount("N", 6000000, 800000, 5200001);
  expect("Sch-PL (No Account Case)", CheckOutcome::stopped, kNoAccount);
  noAccount("N", 6000000, 800000, 5200000);
  expect("Sch-PL (No Account Case)", CheckOutcome::passed);
  // Regular books kept: the no-account rule does not reach the year.
  noAccount("Y", 6000000, 800000, 5200001);
  EXPECT_FALSE(outcomeOf(checks(), "Sch-PL (No Account Case)").has_value());
}

MERIDIAN_ON_BOTH_ENGINES(GeneralInfoChecks);

}  // namespace
}  // namespace meridian::itr
