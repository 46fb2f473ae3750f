// The depreciation chart before a business return (ITR-4, ITR-5, ITR-6): an
// item in a block or at a rate the Income-tax Rules do not give for the year
// asks, with the year's blocks and rates listed, whether to go on; the chart
// beside it, every item in a block of the Rules, passes.
#include <gtest/gtest.h>

#include "db/rows.h"
#include "itr/check_cases.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

const std::string kAsk =
    "Income Tax Block with Rates allowed :\r\n"
    " 1) Buildings : 5%, 10%, 100%\r\n"
    " 2) Furniture and fittings : 10%\r\n"
    " 3) Machinary and plant : 15%, 30%, 40%, 50%, 60%, 80%, 100%\r\n"
    " 4) Intangible Assets : 25%\r\n"
    " 5) Ships : 20%\r\n\r\n"
    "Some items found with Other Block or Rate.\r\n\r\n"
    "Figures of such assets does not effect in any Schedule. You are advised to correct the Depreciation Chart "
    "Details before Proceeding further.\r\n\r\n"
    "To Continue anyway, Click 'Yes'";

suite::assets::ChartItem item(const char* block, int rate) {
  return {"ITEM", block, rate, Money::rupees(10000), Money(), Money(), Money()};
}

std::function<void(ReturnYear&)> chartOf(std::vector<suite::assets::ChartItem> items) {
  return [items](ReturnYear& y) { y.depreciationChart = items; };
}

TEST(DepreciationChartCheck, AnItemOutsideTheRulesAsksAndTheChartBesideItPasses) {
  const std::vector<testing::StopCase> cases{
      {"other block in a proprietor's return", "ITR-4", "I", 2016, "Depreciation chart",
       chartOf({item("Buildings", 10), item("Other", 25)}), chartOf({item("Buildings", 10), item("Intangible Assets", 25)}),
       CheckOutcome::asked, kAsk},
      {"furniture at the rate of machinery in a firm's return", "ITR-5", "FIRM", 2014, "Depreciation chart",
       chartOf({item("Furniture and fittings", 15)}), chartOf({item("Furniture and fittings", 10)}),
       CheckOutcome::asked, kAsk},
      {"machinery at a rate the Appendix has not, company", "ITR-6", "PVT", 2013, "Depreciation chart",
       chartOf({item("Machinary and plant", 20)}), chartOf({item("Machinary and plant", 80), item("Ships", 20)}),
       CheckOutcome::asked, kAsk},
  };
  testing::expectEachStopsAndPassesBeside(cases, testing::readyParticulars("CURRENT"), *makeDate(1, 8, 2017));
}

TEST(DepreciationChartCheck, FormsWithoutABusinessScheduleDoNotLookAtTheChart) {
  for (const char* form : {"ITR-1", "ITR-2", "ITR-3", "ITR-4S"}) {
    SCOPED_TRACE(form);
    ReturnYear y = testing::plainYear(2016);
    y.depreciationChart = {item("Other", 7)};
    const auto results = runFilingChecks(y, testing::readyParticulars(), {form, true, *makeDate(1, 8, 2017)});
    EXPECT_FALSE(testing::resultOf(results, "Depreciation chart").has_value());
  }
}

// The chart comes from the data set's own rows of dep_itr_it.
class DepreciationChartFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  void addItem(const std::string& dataSet, int srno, const std::string& block, int rate) {
    db::insertRow(conn(), "dep_itr_it",
                  {{"code_no", dataSet}, {"t_year", 2016}, {"srno", srno}, {"item", "ITEM"}, {"block", block},
                   {"rate", rate}, {"opening_wdv", "50000.00"}});
  }
  std::optional<CheckResult> checked(const std::string& dataSet) {
    return testing::resultOf(runFilingChecks(readReturnYear(conn(), dataSet, 2016),
                                             testing::readyParticulars("CURRENT"),
                                             {"ITR-4", true, *makeDate(1, 8, 2017)}),
                             "Depreciation chart");
  }
};

TEST_P(DepreciationChartFromTables, AnOtherBlockStoredAsksAndARulesBlockPasses) {
  addItem("I1", 1, "Machinary and plant", 15);
  EXPECT_FALSE(checked("I1").has_value());
  addItem("I1", 2, "Other", 15);
  const auto asked = checked("I1");
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->outcome, CheckOutcome::asked);
  EXPECT_EQ(asked->message, kAsk);
  EXPECT_EQ(asked->focus, "cmdproceed");
  // A revision's data set keeps its own chart.
  addItem("I1^R-1", 1, "Ships", 20);
  EXPECT_FALSE(checked("I1^R-1").has_value());
}

MERIDIAN_ON_BOTH_ENGINES(DepreciationChartFromTables);

}  // namespace
}  // namespace meridian::itr
