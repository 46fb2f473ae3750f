// The checks that read the business tables: each case changes one fact of a
// plain year so that the check stops or asks with its exact words, and the
// case beside it changes the fact back within the rule so that it passes.
#include <gtest/gtest.h>

#include <functional>

#include "itr/filing_checks.h"
#include "itr/check_cases.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::plainYear;

FilingParticulars ready() { return testing::readyParticulars("CURRENT"); }
const CivilDate kToday = *makeDate(1, 8, 2017);

using testing::resultOf;

MemberFacts member(const char* code, long long percentHundredths, const char* status = "INDIVIDUAL") {
  return {code, status, percentHundredths * 100};
}

FirmShare firm(long long salary, long long interest, long long firmsSalary, long long firmsInterest) {
  FirmShare f{1, "PAREKH DALAL SYNTHETICS", "AAHFP6610K", "Y", "N", Money::rupees(salary), Money::rupees(interest)};
  f.firmsSalary = Money::rupees(firmsSalary);
  f.firmsInterest = Money::rupees(firmsInterest);
  return f;
}

const std::string kMethod =
    "Method for Determine Higher Tax u/s 115JB is not correct as per New Form ITR-6. Please select appropriate method "
    "in MAT Calculation.";

TEST(BusinessChecks, EachStopsOrAsksOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"a firm of one partner", "ITR-5", "FIRM", 2016, "Partners and members",
       [](ReturnYear& y) { y.members = {member("P1", 10000)}; },
       [](ReturnYear& y) { y.members = {member("P1", 5000), member("P2", 5000)}; }, CheckOutcome::stopped,
       "Please Specify atleast 2 Partner/Member Info in General Information."},
      {"a private discretionary trust of no member", "ITR-5", "PDT", 2016, "Partners and members",
       [](ReturnYear& y) { y.members = {}; }, [](ReturnYear& y) { y.members = {member("B1", 0)}; },
       CheckOutcome::stopped, "Please Specify atleast 1 Partner/Member Info in General Information."},
      {"partners' shares of 99.99 %", "ITR-5", "FIRM", 2016, "Partners and members",
       [](ReturnYear& y) { y.members = {member("P1", 5000), member("P2", 4999)}; },
       [](ReturnYear& y) { y.members = {member("P1", 5001), member("P2", 4999)}; }, CheckOutcome::stopped,
       "Total Share should be exactly 100% in Partner/Member Info in General Information."},
      {"an LLP's shares beyond 100 %", "ITR-5", "LLP", 2013, "Partners and members",
       [](ReturnYear& y) { y.members = {member("P1", 6000), member("P2", 4001)}; },
       [](ReturnYear& y) { y.members = {member("P1", 6000), member("P2", 4000)}; }, CheckOutcome::stopped,
       "Total Share should be exactly 100% in Partner/Member Info in General Information."},
      {"a member without status", "ITR-5", "AOP", 2015, "Partners and members",
       [](ReturnYear& y) { y.members = {member("M1", 3000), member("M2", 0, "")}; },
       [](ReturnYear& y) { y.members = {member("M1", 3000), member("M2", 0, "HUF")}; }, CheckOutcome::stopped,
       "Please Specify 'Status' in General Information -> Partner/Member Info."},
      {"a clause the year's Schedule MAT does not list", "ITR-6", "PVT", 2015, "Method of s.115JB",
       [](ReturnYear& y) { y.bookProfitClauses = {"A:a", "A:fa"}; },
       [](ReturnYear& y) { y.bookProfitClauses = {"A:a", "D:iia"}; }, CheckOutcome::stopped, kMethod},
      {"a clause the form takes by its parts", "ITR-6", "PUB", 2016, "Method of s.115JB",
       [](ReturnYear& y) { y.bookProfitClauses = {"A:fb"}; },
       [](ReturnYear& y) { y.bookProfitClauses = {"A:fb(A)"}; }, CheckOutcome::stopped, kMethod},
      {"salary from the firm unlike the firm's rows", "ITR-4", "I", 2016, "Partner's remuneration",
       [](ReturnYear& y) { y.firms = {firm(950000, 180000, 900000, 180000)}; },
       [](ReturnYear& y) { y.firms = {firm(900000, 180000, 900000, 180000)}; }, CheckOutcome::asked,
       "Remuneration from Firm [PAREKH DALAL SYNTHETICS] does not match the Firm's Partners' Remuneration Details :"
       "\r\nSalary, Bonus : Rs. 9,50,000 shown here, Rs. 9,00,000 in the Firm's Partners' Remuneration Details"
       "\r\n\r\nContinue ?"},
      {"interest from the firm unlike the firm's rows", "ITR-3", "I", 2015, "Partner's remuneration",
       [](ReturnYear& y) { y.firms = {firm(0, 120000, 0, 180000)}; },
       [](ReturnYear& y) {
         y.firms = {firm(0, 120000, 0, 180000)};
         y.firms[0].firmsSalary.reset();  // a firm outside the practice: nothing to compare
       },
       CheckOutcome::asked,
       "Remuneration from Firm [PAREKH DALAL SYNTHETICS] does not match the Firm's Partners' Remuneration Details :"
       "\r\nInterest on Capital : Rs. 1,20,000 shown here, Rs. 1,80,000 in the Firm's Partners' Remuneration Details"
       "\r\n\r\nContinue ?"},
  };
  testing::expectEachStopsAndPassesBeside(cases, ready(), kToday);
}

// What the business tables do not hold is named, only where it matters.
TEST(BusinessChecks, DataNotKeptIsReportedNotExamined) {
  const auto booksNotKept = [](ReturnYear& y) { y.businessesOutsidePresumptive = 1; };
  const auto booksKept = [](ReturnYear& y) {
    y.businessesOutsidePresumptive = 1;
    y.liable44AA = true;
  };
  const std::vector<testing::UnkeptCase> cases{
      {"a business without books", "ITR-4", "I", 2016, booksNotKept, "Sch-PL (No Account Case)", true, "gross profit and expenses"},
      {"a business with books", "ITR-4", "I", 2016, booksKept, "Sch-PL (No Account Case)", false},
      {"an audited business", "ITR-5", "AOP", 2016,
       [](ReturnYear& y) {
         y.members = {member("M1", 5000), member("M2", 5000)};
         y.businessesOutsidePresumptive = 1;
         y.auditTicked = true;
       },
       "Sch-PL (No Account Case)", false},
      {"a company keeps books by law", "ITR-6", "PVT", 2016, booksNotKept, "Sch-PL (No Account Case)", false},
      {"only presumptive income", "ITR-4", "I", 2016, [](ReturnYear&) {}, "Other heads in Schedule BP", false},
      {"a firm's business", "ITR-5", "FIRM", 2016, booksKept, "Other heads in Schedule BP", true, "Incomes of other heads"},
      {"a firm's partners paid", "ITR-5", "FIRM", 2016,
       [](ReturnYear& y) { y.members = {member("P1", 5000), member("P2", 5000)}; }, "Partners' remuneration in Sch-PL",
       true, "Partners' Remuneration Details"},
      {"an association's members", "ITR-5", "AOP", 2016,
       [](ReturnYear& y) { y.members = {member("M1", 5000), member("M2", 5000)}; }, "Partners' remuneration in Sch-PL",
       false},
      {"a local authority has no members", "ITR-5", "LA", 2016, [](ReturnYear&) {}, "Partners and members", false},
  };
  testing::expectEachNotExaminedWhereItMatters(cases, ready(), kToday);
}

// The facts come from the client register, the firm's rows and the book
// profit's adjustments of the data set and year.
class BusinessFactsFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
};

TEST_P(BusinessFactsFromTables, PartnersTheirSharesAndTheFirmsRowsAreRead) {
  // I1 is a partner of the firm F1 beside P1; the firm pays I1 a salary and
  // interest, and I1's year states a different salary.
  conn().execute("UPDATE owner1 SET code_no = 'F1' WHERE code = 'I1'");
  conn().execute("INSERT INTO part_remu (code, t_year, pro_rate, intt, remun) VALUES "
                 "('I1', 2016, 49.99, 18000, 90000), ('P1', 2016, 50, 0, 0), ('I1', 2015, 50, 1, 1)");
  conn().execute("INSERT INTO business_firm (code_no, ass_year, firm_no, firm_name, firm_pan, salary, interest, audapp) "
                 "VALUES ('I1', 2016, 1, 'SHAH AND SONS', 'AAAFS1234K', 95000, 18000, 'Y'), "
                 "('I1', 2016, 2, 'OUTSIDE FIRM', 'AAAFO9999Z', 1000, 0, 'N')");
  conn().execute("DELETE FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'");
  conn().execute("INSERT INTO new_tab (code_no, ass_year, auditc) VALUES ('F1', '2016', 'Y')");
  conn().execute("INSERT INTO tbmatadddedn (code_no, ass_year, flagad, srno, clause, amt) VALUES "
                 "('F1', 2016, 'A', 1, 'fb', 100), ('F1', 2016, 'D', 1, 'iia', 50)");

  const ReturnYear partner = readReturnYear(conn(), "I1", 2016);
  ASSERT_EQ(partner.firms.size(), 2u);
  EXPECT_EQ(partner.firms[0].salary, Money::rupees(95000));
  EXPECT_EQ(partner.firms[0].firmsSalary, Money::rupees(90000));
  EXPECT_EQ(partner.firms[0].firmsInterest, Money::rupees(18000));
  EXPECT_FALSE(partner.firms[1].firmsSalary.has_value());  // not a client of the practice
  const auto asked = resultOf(runFilingChecks(partner, ready(), {"ITR-4", true, kToday}), "Partner's remuneration");
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->outcome, CheckOutcome::asked);

  const ReturnYear firmYear = readReturnYear(conn(), "F1", 2016);
  ASSERT_EQ(firmYear.members.size(), 2u);
  EXPECT_EQ(firmYear.members[0].code, "I1");
  EXPECT_EQ(firmYear.members[0].shareTenThousandths, 499900);
  EXPECT_EQ(firmYear.members[1].shareTenThousandths, 500000);
  const auto results = runFilingChecks(firmYear, ready(), {"ITR-5", true, kToday});
  const auto shares = resultOf(results, "Partners and members");
  ASSERT_TRUE(shares.has_value());
  EXPECT_EQ(shares->message, "Total Share should be exactly 100% in Partner/Member Info in General Information.");
  EXPECT_TRUE(firmYear.auditTicked);
  EXPECT_FALSE(partner.auditTicked);
  EXPECT_EQ(firmYear.bookProfitClauses.size(), 2u);
  // Clause fb is taken by its parts from A.Y. 2016-17.
  const auto method = resultOf(runFilingChecks(firmYear, ready(), {"ITR-6", true, kToday}), "Method of s.115JB");
  ASSERT_TRUE(method.has_value());
  EXPECT_EQ(method->message, kMethod);

  // The year before, the firm's rows give I1 alone a share.
  EXPECT_EQ(readReturnYear(conn(), "F1", 2015).members[0].shareTenThousandths, 500000);
}

MERIDIAN_ON_BOTH_ENGINES(BusinessFactsFromTables);

}  // namespace
}  // namespace meridian::itr
