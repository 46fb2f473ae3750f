// Schedule 5A before the return: the columns a form has no head for, and no
// spouse's share above what it is a share of; read from the table on both
// engines.
#include <gtest/gtest.h>

#include "itr/check_cases.h"
#include "itr/filing_checks.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::resultOf;

ReturnYear::Apportioned rupees(long long received, long long spouse) {
  return {Money::rupees(received), Money::rupees(spouse)};
}

// Half of each head apportioned to the spouse, as s.5A divides it.
ReturnYear::Schedule5A halves() {
  return {rupees(200000, 100000), {}, {}, rupees(60000, 30000), rupees(6000, 3000)};
}

const std::string kSpouseAbove = "\"Amount apportioned in the hands of the spouse\" should be <= \"Income received under the head\" [";

TEST(Schedule5A, EachStopsOnItsFactAndPassesBesideIt) {
  auto with = [](auto change) {
    return [change](ReturnYear& y) {
      y.schedule5A = halves();
      change(*y.schedule5A);
    };
  };
  const std::vector<testing::StopCase> cases{
      {"business in ITR-2", "ITR-2", "I", 2016, "Schedule 5A",
       with([](auto& s) { s.business = rupees(500000, 250000); }), with([](auto&) {}), CheckOutcome::stopped,
       "Amount can not be shown in column [Business or Profession] in [Schedule 5A]."},
      {"business apportioned in ITR-2A", "ITR-2A", "I", 2015, "Schedule 5A",
       with([](auto& s) { s.business = rupees(0, 1000); }), with([](auto&) {}), CheckOutcome::stopped,
       "Amount can not be shown in column [Business or Profession] in [Schedule 5A]."},
      {"capital gains in ITR-2A", "ITR-2A", "I", 2016, "Schedule 5A",
       with([](auto& s) { s.capitalGains = rupees(80000, 0); }), with([](auto&) {}), CheckOutcome::stopped,
       "Amount can not be shown in column \"Income received under the head\" [Capital Gain] in [Schedule 5A]."},
      {"capital gains apportioned in ITR-2A", "ITR-2A", "I", 2016, "Schedule 5A",
       with([](auto& s) { s.capitalGains = rupees(0, 40000); }), with([](auto&) {}), CheckOutcome::stopped,
       "Amount can not be shown in column \"Amount apportioned in the hands of the spouse\" [Capital Gain] in "
       "[Schedule 5A]."},
      {"house share above the income", "ITR-1", "I", 2016, "Schedule 5A",
       with([](auto& s) { s.houseProperty = rupees(200000, 200001); }),
       with([](auto& s) { s.houseProperty = rupees(200000, 200000); }), CheckOutcome::stopped,
       kSpouseAbove + "House Property] in [Schedule 5A]."},
      {"business share above the income", "ITR-4", "I", 2016, "Schedule 5A",
       with([](auto& s) { s.business = rupees(100000, 150000); }),
       with([](auto& s) { s.business = rupees(100000, 50000); }), CheckOutcome::stopped,
       kSpouseAbove + "Business or Profession] in [Schedule 5A]."},
      {"gains share above the gains", "ITR-2", "I", 2016, "Schedule 5A",
       with([](auto& s) { s.capitalGains = rupees(0, 10); }),
       with([](auto& s) { s.capitalGains = rupees(20, 10); }), CheckOutcome::stopped,
       kSpouseAbove + "Capital Gains] in [Schedule 5A]."},
      {"other sources share above the income", "ITR-4S", "I", 2014, "Schedule 5A",
       with([](auto& s) { s.otherSources = rupees(60000, 70000); }), with([](auto&) {}), CheckOutcome::stopped,
       kSpouseAbove + "Other Sources] in [Schedule 5A]."},
      {"spouse's TDS above the TDS", "ITR-1", "I", 2015, "Schedule 5A",
       with([](auto& s) { s.tds = rupees(6000, 6001); }), with([](auto& s) { s.tds = rupees(6000, 6000); }),
       CheckOutcome::stopped,
       "\"TDS apportioned in the hands of the spouse\" should be <= \"Amount of TDS deducted on income\" in "
       "[Schedule 5A]."},
  };
  testing::expectEachStopsAndPassesBeside(cases, testing::readyParticulars(), *makeDate(1, 8, 2017));
}

// The forms carry the schedule from A.Y. 2014-15; a firm's return has none.
TEST(Schedule5A, OnlyTheIndividualsFormsFromItsFirstYear) {
  for (const auto& [form, status, year] : {std::tuple{"ITR-2", "I", 2013}, std::tuple{"ITR-5", "FIRM", 2016}}) {
    ReturnYear y = testing::plainYear(year, status);
    y.schedule5A = halves();
    y.schedule5A->houseProperty = rupees(0, 1);
    EXPECT_FALSE(resultOf(runFilingChecks(y, testing::readyParticulars("CURRENT"), {form, true, *makeDate(1, 8, 2017)}),
                          "Schedule 5A"))
        << form << " " << year;
  }
}

class Schedule5AFromTable : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  std::optional<CheckResult> checked(const std::string& form) {
    const ReturnYear y = readReturnYear(conn(), "I1", 2016);
    return resultOf(runFilingChecks(y, testing::readyParticulars("CURRENT"), {form, true, *makeDate(1, 8, 2016)}),
                    "Schedule 5A");
  }
};

TEST_P(Schedule5AFromTable, TheRowOfTheDataSetAndYearIsJudged) {
  conn().execute("INSERT INTO incsec5a (code_no, ass_year, spouse_nm, spouse_pan, os_inc, os_spouse, bp_inc, bp_spouse) "
                 "VALUES ('I1', 2016, 'MARIA FERNANDES', 'ABCPF1234K', 40000, 45000, 0, 0), "
                 "('I1^R-1', 2016, '', '', 0, 0, 900000, 450000)");
  const auto stop = checked("ITR-2");
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->message, kSpouseAbove + "Other Sources] in [Schedule 5A].");
  EXPECT_EQ(stop->focus, "cmdproceed");
  conn().execute("UPDATE incsec5a SET os_spouse = 20000 WHERE code_no = 'I1'");
  EXPECT_FALSE(checked("ITR-2").has_value());
  // The revision's business row is its own, not the original's.
  const ReturnYear revised = readReturnYear(conn(), "I1^R-1", 2016);
  ASSERT_TRUE(revised.schedule5A.has_value());
  EXPECT_EQ(revised.schedule5A->business.spouse, Money::rupees(450000));
}

MERIDIAN_ON_BOTH_ENGINES(Schedule5AFromTable);

}  // namespace
}  // namespace meridian::itr
