// A company's distributions before ITR-6: the tax due at the rates of each
// distribution's date, the kind each must state, and a shortfall of the tax
// paid asked about; read from the tables on both engines.
#include <gtest/gtest.h>

#include "itr/check_cases.h"
#include "itr/distribution_tax.h"
#include "itr/filing_checks.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::resultOf;

TEST(DistributionTax, TheRatesOfTheDateOfTheDistribution) {
  struct Case {
    const char* why;
    DistributionKind kind;
    CivilDate on;
    long long amount;
    std::optional<long long> due;
  };
  const Case cases[] = {
      // 15 % + 10 % + 3 % of Rs. 10,00,000: 1,69,950.
      {"a dividend of September 2014, before grossing up", DistributionKind::dividend, *makeDate(30, 9, 2014), 1000000,
       169950},
      // Grossed up: 15 % of 10,00,000 / 0.85 = 1,76,470.59; + 10 %, + 3 %: 1,99,941.18.
      {"a dividend of October 2014, grossed up", DistributionKind::dividend, *makeDate(1, 10, 2014), 1000000, 199940},
      // The same with the surcharge of 12 %: 2,03,576.47.
      {"a dividend of A.Y. 2016-17", DistributionKind::dividend, *makeDate(15, 3, 2016), 1000000, 203580},
      // 20 % + 12 % + 3 % of Rs. 5,00,000: 1,15,360.
      {"a buy-back of A.Y. 2016-17", DistributionKind::buyBack, *makeDate(1, 9, 2015), 500000, 115360},
      // 20 % + 10 % + 3 % of Rs. 5,00,000: 1,13,300.
      {"a buy-back of the first day of s.115QA", DistributionKind::buyBack, *makeDate(1, 6, 2013), 500000, 113300},
      {"a buy-back before s.115QA", DistributionKind::buyBack, *makeDate(31, 5, 2013), 500000, std::nullopt},
      {"a dividend after the years kept", DistributionKind::dividend, *makeDate(1, 4, 2016), 1000000, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto due = distributionTaxDue(c.kind, c.on, Money::rupees(c.amount));
    ASSERT_EQ(due.has_value(), c.due.has_value()) << c.why;
    if (due) EXPECT_EQ(*due, Money::rupees(*c.due)) << c.why;
  }
}

ReturnYear::Distribution dividend(long long amount, long long paid) {
  return {1, "N", makeDate(15, 3, 2016), Money::rupees(amount), Money(), Money::rupees(paid)};
}

// A mistyped row of the rate table stops the program at its first use with
// the row and the fault named, rather than taxing at a wrong rate.
TEST(DistributionTax, AMistypedRateRowIsNamed) {
  const std::string header = "section,from,to,rate_bp,surcharge_bp,cess_bp,gross_up,source\n";
  const struct {
    const char* row;
    const char* says;
  } cases[] = {
      {"115-O,2013-04-01,2014-03-31,fifteen,1000,300,no,Act", "\"fifteen\" is not a rate in basis points"},
      {"115-O,2013-04-01,2014-03-31,15000,1000,300,no,Act", "\"15000\" is not a rate in basis points"},
      {"115-O,2013-04-01,2014-03-31,1500,10%,300,no,Act", "\"10%\" is not a rate in basis points"},
      {"115P,2013-04-01,2014-03-31,1500,1000,300,no,Act", "the section is 115-O or 115QA"},
      {"115-O,01/04/2013,2014-03-31,1500,1000,300,no,Act", "is not a date yyyy-mm-dd"},
      {"115-O,2014-04-01,2014-03-31,1500,1000,300,no,Act", "the last day comes before the first"},
      {"115-O,2013-04-01,2014-03-31,1500,1000,300,no,", "every row names its source"},
  };
  for (const auto& c : cases) {
    try {
      parseDistributionTaxRates(header + c.row + "\n");
      ADD_FAILURE() << c.row << " was accepted";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.row << ": " << e.what();
    }
  }
}

TEST(DistributionChecks, EachStopsOrAsksOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"dividend tax short paid", "ITR-6", "PVT", 2016, "Tax on distributed profits",
       [](ReturnYear& y) { y.distributions = {dividend(1000000, 200000)}; },
       [](ReturnYear& y) { y.distributions = {dividend(1000000, 203580)}; }, CheckOutcome::asked,
       "Balance Tax Payable on 'Distributed profits of domestic companies' is Rs. 3580\r\n\r\nDo you really want to "
       "generate the return ?"},
      {"buy-back tax on the income distributed", "ITR-6", "PUB", 2016, "Tax on distributed profits",
       [](ReturnYear& y) {
         y.distributions = {{1, "Y", makeDate(1, 9, 2015), Money::rupees(800000), Money::rupees(300000), Money()}};
       },
       [](ReturnYear& y) {
         y.distributions = {
             {1, "Y", makeDate(1, 9, 2015), Money::rupees(800000), Money::rupees(300000), Money::rupees(115360)}};
       },
       CheckOutcome::asked,
       "Balance Tax Payable on 'Distributed income of a domestic company on buy back of shares, not listed on stock "
       "exchange' is Rs. 115360\r\n\r\nDo you really want to generate the return ?"},
      {"a distribution of no stated kind", "ITR-6", "PVT", 2015, "Kind of each distribution",
       [](ReturnYear& y) { y.distributions = {{1, "", makeDate(15, 3, 2015), Money::rupees(1000), Money(), Money()}}; },
       [](ReturnYear& y) { y.distributions = {dividend(1000, 1000)}; }, CheckOutcome::stopped,
       "Fill Details as per New Form ITR-6 in General Info -> Schedule-DDT/BBS."},
  };
  testing::expectEachStopsAndPassesBeside(cases, testing::readyParticulars("CURRENT"), *makeDate(1, 10, 2016));
}

// A foreign company pays no tax on distributions here; before A.Y. 2014-15
// the form has no such schedule.
TEST(DistributionChecks, OnlyDomesticCompaniesFromTheSchedulesFirstYear) {
  for (const auto& [status, year] : {std::pair{"PVT_F", 2016}, std::pair{"PVT", 2013}}) {
    ReturnYear y = testing::plainYear(year, status);
    y.distributions = {dividend(1000000, 0)};
    EXPECT_FALSE(resultOf(runFilingChecks(y, testing::readyParticulars("CURRENT"), {"ITR-6", true, *makeDate(1, 10, 2016)}),
                          "Tax on distributed profits"))
        << status << " " << year;
  }
}

class DistributionsFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
};

TEST_P(DistributionsFromTables, TheTaxPaidOnEachDistributionIsAddedUp) {
  conn().execute("INSERT INTO geninfo_schj (code_no, ass_year, srno, flagbbs, dist_dt, amount, received) VALUES "
                 "('C1', 2016, 1, 'N', '2016-03-15', 1000000, 0), ('C1', 2016, 2, 'Y', '2015-09-01', 800000, 300000)");
  conn().execute("INSERT INTO dist_tax (code_no, ass_year, schj_srno, srno, bsr_code, paid_dt, chsrno, amt) VALUES "
                 "('C1', 2016, 1, 1, '0510308', '2016-03-20', '00012', 200000), "
                 "('C1', 2016, 1, 2, '0510308', '2016-04-05', '00031', 3580), "
                 "('C1', 2016, 2, 1, '0510308', '2015-09-10', '00044', 100000)");
  const ReturnYear y = readReturnYear(conn(), "C1", 2016);
  ASSERT_EQ(y.distributions.size(), 2u);
  EXPECT_EQ(y.distributions[0].taxPaid, Money::rupees(203580));
  const auto r = resultOf(runFilingChecks(y, testing::readyParticulars("CURRENT"), {"ITR-6", true, *makeDate(1, 10, 2016)}),
                          "Tax on distributed profits");
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->message.substr(0, r->message.find("\r\n")),
            "Balance Tax Payable on 'Distributed income of a domestic company on buy back of shares, not listed on stock "
            "exchange' is Rs. 15360");
}

MERIDIAN_ON_BOTH_ENGINES(DistributionsFromTables);

}  // namespace
}  // namespace meridian::itr
