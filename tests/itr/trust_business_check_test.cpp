// ITR-7: the income chargeable u/s 11(4) in the application of funds against
// the business head's income beyond the undertaking's accounts; read from
// the table on both engines.
#include <gtest/gtest.h>

#include "itr/check_cases.h"
#include "itr/filing_checks.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::resultOf;

const std::string kMismatch = "Income chargeable u/s 11(4) as per Business & Application of Fund does not match !";

std::function<void(ReturnYear&)> trust(long long business, std::optional<std::pair<long long, long long>> fund) {
  return [=](ReturnYear& y) {
    y.result->business.ordinary = Money::rupees(business);
    if (fund) y.trustBusiness = ReturnYear::TrustBusiness{Money::rupees(fund->first), Money::rupees(fund->second)};
  };
}

TEST(TrustBusiness, EachStopsOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"the excess over the accounts not entered", "ITR-7", "TRUST", 2016, "Income u/s 11(4)",
       trust(500000, std::pair{420000LL, 0LL}), trust(500000, std::pair{420000LL, 80000LL}), CheckOutcome::stopped,
       kMismatch},
      {"no row for a business beyond nil", "ITR-7", "TRUST", 2015, "Income u/s 11(4)", trust(90000, std::nullopt),
       trust(90000, std::pair{90000LL, 0LL}), CheckOutcome::stopped, kMismatch},
      {"accounts above the Act's figure leave nothing chargeable", "ITR-7", "TRUST", 2014, "Income u/s 11(4)",
       trust(300000, std::pair{350000LL, 50000LL}), trust(300000, std::pair{350000LL, 0LL}), CheckOutcome::stopped,
       kMismatch},
  };
  testing::expectEachStopsAndPassesBeside(cases, testing::readyParticulars("CURRENT"), *makeDate(1, 8, 2016));
}

TEST(TrustBusiness, OnlyTheTrustsForm) {
  ReturnYear y = testing::plainYear(2016, "AOP");
  trust(500000, std::pair{0LL, 0LL})(y);
  EXPECT_FALSE(resultOf(runFilingChecks(y, testing::readyParticulars("CURRENT"), {"ITR-5", true, *makeDate(1, 8, 2016)}),
                        "Income u/s 11(4)"));
}

class TrustBusinessFromTable : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
    conn().execute("INSERT INTO main_info1 (code_no, nm, status, doi, pan) VALUES ('T1', 'SEVA TRUST', 'TRUST', "
                   "'01/04/1995', 'AAATS1234C')");
  }
  std::optional<CheckResult> checked() {
    const ReturnYear y = readReturnYear(conn(), "T1", 2016);
    return resultOf(runFilingChecks(y, testing::readyParticulars("CURRENT"), {"ITR-7", true, *makeDate(1, 8, 2016)}),
                    "Income u/s 11(4)");
  }
};

// The trust has no business: nothing is chargeable u/s 11(4).
TEST_P(TrustBusinessFromTable, TheYearsRowIsCompared) {
  conn().execute("INSERT INTO appfund (code_no, ass_year, income_derived, applied, charge_11_4) VALUES "
                 "('T1', 2016, 900000, 800000, 25000)");
  const auto stop = checked();
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->message, kMismatch) << stop->message;
  EXPECT_EQ(stop->focus, "cmdproceed");
  conn().execute("UPDATE appfund SET charge_11_4 = 0 WHERE code_no = 'T1'");
  EXPECT_FALSE(checked().has_value());
}

MERIDIAN_ON_BOTH_ENGINES(TrustBusinessFromTable);

}  // namespace
}  // namespace meridian::itr
