// The printout's MAT/AMT credit history reads the years a data set reads in
// the computation: a revision's printout shows the original returns' earlier
// years, and a year the revision holds itself in place of the original's.
#include <gtest/gtest.h>

#include <tuple>

#include "suite/computation/printout_statements.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::suite::computation {
namespace {

class CreditStatement : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  void addCredit(const std::string& code, int year, long long normal, long long mat, long long used) {
    conn().execute("INSERT INTO taxcr115jbc1 (code_no, ass_year, taxnormal, taxmatamt, creditutil, marker) "
                   "VALUES (?, ?, ?, ?, ?, 'B')",
                   {code, year, normal, mat, used});
  }
  // (A.Y., additional tax, carried) of the earlier years the statement shows.
  std::vector<std::tuple<int, long long, long long>> earlierYears(const std::string& dataSet) {
    engine::YearResult result;
    result.alternate.kind = engine::AlternateKind::mat;
    const Statements s = loadStatements(conn(), {"C1", dataSet, 2016, false}, result, {});
    std::vector<std::tuple<int, long long, long long>> out;
    for (const auto& y : s.credits)
      if (y.year < 2016) out.emplace_back(y.year, y.additional.wholeRupees(), y.carried.wholeRupees());
    return out;
  }
};

TEST_P(CreditStatement, ARevisionPrintsTheOriginalsEarlierYearsAndItsOwnInTheirPlace) {
  addCredit("C1", 2014, 100000, 160000, 0);    // 60,000 arises
  addCredit("C1", 2015, 300000, 200000, 25000);  // 25,000 used: 35,000 left
  using Rows = std::vector<std::tuple<int, long long, long long>>;
  const Rows original{{2014, 60000, 60000}, {2015, 0, 35000}};
  EXPECT_EQ(earlierYears("C1"), original);
  EXPECT_EQ(earlierYears("C1^R-1"), original) << "a revision without rows of its own reads the original's";

  // The revised 2015-16 used 40,000 of the credit: 20,000 left.
  addCredit("C1^R-1", 2015, 300000, 200000, 40000);
  EXPECT_EQ(earlierYears("C1^R-1"), (Rows{{2014, 60000, 60000}, {2015, 0, 20000}}));
  EXPECT_EQ(earlierYears("C1"), original) << "the original keeps its own figures";
}

MERIDIAN_ON_BOTH_ENGINES(CreditStatement);

}  // namespace
}  // namespace meridian::suite::computation
