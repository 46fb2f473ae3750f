// Schedule FSI before the return: relief claimed with the foreign income
// given country by country and head by head, under heads the form has, and
// no head's foreign income above what the computation takes for the head;
// read from the table on both engines.
#include <gtest/gtest.h>

#include "itr/check_cases.h"
#include "itr/filing_checks.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::resultOf;

ReturnYear::ForeignIncome row(const char* head, long long income) {
  return {"2 UNITED STATES", "123-45-6789", head, "90", Money::rupees(income)};
}

// Interest of Rs. 80,000 from a deposit abroad, relief u/s 90 claimed, and
// the computation's other sources at Rs. 1,00,000.
void claimed(ReturnYear& y) {
  y.relief90 = Money::rupees(8000);
  y.foreignIncome = {row("OS", 80000)};
  y.result->heads.otherSources = Money::rupees(100000);
}
auto then(void (*change)(ReturnYear&)) {
  return [change](ReturnYear& y) {
    claimed(y);
    change(y);
  };
}

const std::string kAdvice =
    "You are advised to check following Incomes reported in Schedule-FSI with Incomes included in Total Income.\r\n";

TEST(ScheduleFSI, EachStopsOrAsksOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"relief without the schedule", "ITR-2", "I", 2016, "Schedule FSI",
       [](ReturnYear& y) { y.relief90 = Money::rupees(8000); }, claimed, CheckOutcome::stopped,
       "Please Fill Head wise Income Details in Schedule FSI (DTAA/Relief u/s 90,90A,91)."},
      {"no taxpayer number abroad", "ITR-3", "I", 2016, "Schedule FSI",
       then([](ReturnYear& y) { y.foreignIncome[0].tin.clear(); }), claimed, CheckOutcome::stopped,
       "Please Fill Missing Details in Schedule FSI (DTAA/Relief u/s 90,90A,91)."},
      {"no country", "ITR-4", "I", 2016, "Schedule FSI",
       then([](ReturnYear& y) { y.foreignIncome[0].country.clear(); }), claimed, CheckOutcome::stopped,
       "Please Fill Missing Details in Schedule FSI (DTAA/Relief u/s 90,90A,91)."},
      {"a row without its head", "ITR-2", "I", 2015, "Schedule FSI",
       then([](ReturnYear& y) { y.foreignIncome[0].head.clear(); }), claimed, CheckOutcome::stopped,
       "Please Fill Head wise Income Details in Schedule FSI (DTAA/Relief u/s 90,90A,91)."},
      {"salary abroad in a firm's return", "ITR-5", "FIRM", 2016, "Schedule FSI",
       then([](ReturnYear& y) { y.foreignIncome.push_back(row("SAL", 50000)); }), claimed, CheckOutcome::stopped,
       "Salary Income of Rs. 50000 reported in Schedule-FSI can not be shown in ITR-5."},
      {"business abroad in ITR-2", "ITR-2", "I", 2016, "Schedule FSI",
       then([](ReturnYear& y) { y.foreignIncome.push_back(row("BP", 120000)); }), claimed, CheckOutcome::stopped,
       "Business Income of Rs. 120000 reported in Schedule-FSI can not be shown in ITR-2."},
      {"foreign interest above the computed other sources", "ITR-2", "I", 2016, "Schedule FSI",
       then([](ReturnYear& y) { y.result->heads.otherSources = Money::rupees(60000); }),
       then([](ReturnYear& y) { y.result->heads.otherSources = Money::rupees(80000); }), CheckOutcome::asked,
       kAdvice + "\r\nOther Sources Income of Rs. 80000 should be <= Rs. 60000\r\n\r\nTo Continue anyway, Click 'Yes'"},
      {"two heads above", "ITR-4", "I", 2016, "Schedule FSI",
       then([](ReturnYear& y) {
         y.foreignIncome.push_back(row("HP", 300000));
         y.result->heads.otherSources = Money();
       }),
       then([](ReturnYear& y) {
         y.foreignIncome.push_back(row("HP", 300000));
         y.result->heads.houseProperty = Money::rupees(300000);
       }),
       CheckOutcome::asked,
       kAdvice + "\r\nHouse Property Income of Rs. 300000 should be <= Rs. 0\r\nOther Sources Income of Rs. 80000 "
                 "should be <= Rs. 0\r\n\r\nTo Continue anyway, Click 'Yes'"},
  };
  testing::expectEachStopsAndPassesBeside(cases, testing::readyParticulars("CURRENT"), *makeDate(1, 8, 2017));
}

class ScheduleFSIFromTable : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
};

TEST_P(ScheduleFSIFromTable, TheIncomeRowsOfTheDataSetAreRead) {
  conn().execute("INSERT INTO income_relief (code_no, ass_year, rel90) VALUES ('I1', 2016, 4000)");
  conn().execute("INSERT INTO taxrelsch (code_no, ass_year, rowtyp, srno, country_cd, country_nm, tin, head, income, "
                 "taxpaid, relsec) VALUES ('I1', 2016, 'FSI', 1, '2', 'UNITED STATES', '', 'OS', 40000, 4000, '90'), "
                 "('I1', 2016, 'CRREF', 1, '', '', '', '', 0, 0, '')");
  const auto checked = [&] {
    const ReturnYear y = readReturnYear(conn(), "I1", 2016);
    return resultOf(runFilingChecks(y, testing::readyParticulars(), {"ITR-2", true, *makeDate(1, 8, 2016)}),
                    "Schedule FSI");
  };
  auto r = checked();
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->message, "Please Fill Missing Details in Schedule FSI (DTAA/Relief u/s 90,90A,91).");
  conn().execute("UPDATE taxrelsch SET tin = '98-7654321' WHERE rowtyp = 'FSI'");
  r = checked();
  // The client's other sources are computed without the foreign interest.
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->outcome, CheckOutcome::asked);
  EXPECT_NE(r->message.find("Other Sources Income of Rs. 40000 should be <= Rs. "), std::string::npos) << r->message;
  // The summary row is not an income row: one row of Schedule FSI is counted.
  EXPECT_EQ(readReturnYear(conn(), "I1", 2016).foreignIncomeRows, 1);
}

MERIDIAN_ON_BOTH_ENGINES(ScheduleFSIFromTable);

}  // namespace
}  // namespace meridian::itr
