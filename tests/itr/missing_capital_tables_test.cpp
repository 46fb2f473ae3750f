// Deemed gains and gains on depreciable assets are not kept by this
// installation: the rules resting on their tables say they were not
// examined, and a table that is there is read.
#include <gtest/gtest.h>

#include "itr/form_applicability.h"
#include "itr/return_year.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

class MissingCapitalTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  std::string notExamined() {
    std::string all;
    for (const auto& n : decideForms(readReturnYear(conn(), "I1", 2016), 0, false).notExamined) all += n + "\n";
    return all;
  }
};

TEST_P(MissingCapitalTables, ARuleOnAMissingTableSaysItWasNotExamined) {
  const std::string before = notExamined();
  EXPECT_NE(before.find("\"Capital Gains\". Not examined from the missing table(s) capital_deemed, capital_deemn."),
            std::string::npos)
      << before;
  EXPECT_NE(before.find("\"Depreciable Assets\" can not be shown. Not examined from the missing table(s) capital_depr."),
            std::string::npos)
      << before;
  // Once kept, the table is read: a deemed gain of the year bars ITR-1.
  conn().execute("CREATE TABLE capital_deemed (code_no VARCHAR(80), ass_year INTEGER, srno INTEGER)");
  conn().execute("INSERT INTO capital_deemed (code_no, ass_year, srno) VALUES ('I1', 2016, 1)");
  EXPECT_EQ(notExamined().find("capital_deemed"), std::string::npos);
  const auto reasons = decideForms(readReturnYear(conn(), "I1", 2016), 0, false).option("ITR-1")->reasons;
  EXPECT_NE(std::find(reasons.begin(), reasons.end(), "Income under the Head \"Capital Gains\"."), reasons.end());
}

MERIDIAN_ON_BOTH_ENGINES(MissingCapitalTables);

}  // namespace
}  // namespace meridian::itr
