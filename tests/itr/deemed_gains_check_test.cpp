// Deemed capital gains before the return: the sections a form lists for a
// gain of each term, and the previous year whose unused amount falls due
// this year, once per section; read from the tables on both engines, and
// taken into the year's gains by the computation.
#include <gtest/gtest.h>

#include "itr/check_cases.h"
#include "itr/filing_checks.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::resultOf;

DeemedGainFacts withdrawn(bool longTerm, std::string section) { return {longTerm, false, 0, std::move(section)}; }
DeemedGainFacts unused(bool longTerm, int previousYear, std::string section) {
  return {longTerm, true, previousYear, std::move(section)};
}

std::function<void(ReturnYear&)> rows(std::vector<DeemedGainFacts> gains) {
  return [gains](ReturnYear& y) { y.deemedGains = gains; };
}

const std::string kLongUnused =
    "Deemed Long-term capital gain being Amount not used for new asset or remained unutilized in Capital gains "
    "account for previous year '";
const std::string kShortUnused =
    "Deemed Short-term capital gain being Amount not used for new asset or remained unutilized in Capital gains "
    "account for previous year '";

// A.Y. 2016-17 is the previous year 2015-16: the three years of ss.54, 54D,
// 54F, 54G and 54GA run out in it for a transfer of 2012-13, the two of
// s.54B for a transfer of 2013-14.
TEST(DeemedGains, EachStopsOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"no section", "ITR-2", "I", 2016, "Deemed capital gains", rows({withdrawn(true, "")}),
       rows({withdrawn(true, "54EC")}), CheckOutcome::stopped,
       "Please Specify 'Section under which deduction claimed' in Capital Gain."},
      {"s.54 withdrawn in a firm's return", "ITR-5", "FIRM", 2016, "Deemed capital gains",
       rows({withdrawn(true, "54")}), rows({withdrawn(true, "54EC")}), CheckOutcome::stopped,
       "Deemed Long-term capital gain is allowed only u/s '54D/54EC/54G/54GA'."},
      {"s.54F is never short-term", "ITR-2", "I", 2015, "Deemed capital gains", rows({withdrawn(false, "54F")}),
       rows({withdrawn(false, "54B")}), CheckOutcome::stopped,
       "Deemed short-term capital gain is allowed only u/s '54B'."},
      {"s.54D needs a business", "ITR-3", "I", 2014, "Deemed capital gains", rows({withdrawn(true, "54D")}),
       rows({withdrawn(true, "54GB")}), CheckOutcome::stopped,
       "Deemed Long-term capital gain is allowed only u/s '54/54B/54EC/54F/54GB'."},
      {"a 2013-14 transfer falls due only u/s 54B", "ITR-2", "I", 2016, "Deemed capital gains",
       rows({unused(true, 2013, "54F")}), rows({unused(true, 2012, "54F")}), CheckOutcome::stopped,
       kLongUnused + "2013-14' is allowed only u/s '54B'."},
      {"a transfer four years back is past", "ITR-4", "I", 2016, "Deemed capital gains",
       rows({unused(true, 2011, "54")}), rows({unused(true, 2012, "54")}), CheckOutcome::stopped,
       kLongUnused + "2011-12' is not allowed."},
      {"s.54EC has no account", "ITR-4", "I", 2015, "Deemed capital gains", rows({unused(true, 2011, "54EC")}),
       rows({unused(true, 2011, "54G")}), CheckOutcome::stopped,
       kLongUnused + "2011-12' is allowed only u/s '54/54D/54F/54G/54GA'."},
      {"one section twice for a year", "ITR-2", "I", 2016, "Deemed capital gains",
       rows({unused(true, 2012, "54"), unused(true, 2012, "54")}),
       rows({unused(true, 2012, "54"), unused(true, 2012, "54F")}), CheckOutcome::stopped,
       kLongUnused + "2012-13' is allowed only once u/s '54'."},
      {"short-term in ITR-2 only u/s 54B two years back", "ITR-2", "I", 2016, "Deemed capital gains",
       rows({unused(false, 2012, "54D")}), rows({unused(false, 2013, "54B")}), CheckOutcome::stopped,
       kShortUnused + "2012-13' is not allowed."},
      {"a company has no s.54B", "ITR-6", "PVT", 2016, "Deemed capital gains", rows({unused(false, 2013, "54B")}),
       rows({unused(false, 2012, "54GA")}), CheckOutcome::stopped, kShortUnused + "2013-14' is not allowed."},
  };
  testing::expectEachStopsAndPassesBeside(cases, testing::readyParticulars("CURRENT"), *makeDate(1, 8, 2016));
}

// The one-step forms have no schedule of capital gains: the form rules bar
// them, and this check does not run.
TEST(DeemedGains, NotJudgedForFormsWithoutTheSchedule) {
  for (const char* form : {"ITR-1", "ITR-4S", "ITR-7"}) {
    ReturnYear y = testing::plainYear(2016, form == std::string("ITR-7") ? "TRUST" : "I");
    y.deemedGains = {withdrawn(true, "")};
    const auto all = runFilingChecks(y, testing::readyParticulars(), {form, true, *makeDate(1, 8, 2016)});
    EXPECT_FALSE(std::any_of(all.begin(), all.end(), [](const CheckResult& r) { return r.check == "Deemed capital gains"; }))
        << form;
  }
}

class DeemedGainsFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  std::optional<CheckResult> checked(const ReturnYear& y) {
    return resultOf(runFilingChecks(y, testing::readyParticulars(), {"ITR-2", true, *makeDate(1, 8, 2016)}),
                    "Deemed capital gains");
  }
};

TEST_P(DeemedGainsFromTables, TheRowsAreJudgedAndTaxedWithTheYearsGains) {
  conn().execute("INSERT INTO capital_deemed (code_no, ass_year, srno, term, section, amount) VALUES "
                 "('I1', 2016, 1, 'L', '54EC', 300000), ('I1', 2016, 2, 'S', '54B', 40000)");
  conn().execute("INSERT INTO capital_deemn (code_no, ass_year, srno, term, prev_year, section, utilised, amount) "
                 "VALUES ('I1', 2016, 1, 'L', 2013, '54F', 900000, 100000)");
  const ReturnYear y = readReturnYear(conn(), "I1", 2016);
  const auto stop = checked(y);
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->message, kLongUnused + "2013-14' is allowed only u/s '54B'.");
  EXPECT_EQ(stop->focus, "cmdproceed");
  ASSERT_TRUE(y.result.has_value()) << y.computationNote;
  // s.54EC(2) and s.54F(4): long-term at the rate of s.112; s.54B(2) on a
  // short-term gain: at normal rates.
  EXPECT_EQ(y.result->capitalGains.ltcgIndexed, Money::rupees(400000));
  EXPECT_EQ(y.result->capitalGains.stcgOther, Money::rupees(40000));

  conn().execute("UPDATE capital_deemn SET prev_year = 2012 WHERE code_no = 'I1'");
  EXPECT_FALSE(checked(readReturnYear(conn(), "I1", 2016)).has_value());
  // Another data set's rows are its own.
  EXPECT_TRUE(readReturnYear(conn(), "I1^R-1", 2016).deemedGains.empty());
}

MERIDIAN_ON_BOTH_ENGINES(DeemedGainsFromTables);

}  // namespace
}  // namespace meridian::itr
