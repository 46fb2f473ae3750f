// A business return whose chart allows depreciation while a business kept on
// accounts has no depreciation debited to P&L (every row saved before the
// column was added reads so) asks before going on; once the books'
// depreciation is entered, or where the chart allows none, it passes.
#include <gtest/gtest.h>

#include "db/rows.h"
#include "itr/check_cases.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

std::string asked(const char* depreciation, int businesses) {
  return std::string("Depreciation as per the Depreciation Chart is Rs. ") + depreciation +
         ", but 'Depreciation debited to P&L' is nil for " + std::to_string(businesses) +
         " business(es) computed from accounts.\r\n\r\n"
         "The Chart's depreciation is deducted from the Net Profit as entered. If that Net Profit is after the "
         "depreciation of the books, enter it in 'Depreciation debited to P&L' on the Business screen, or "
         "depreciation is deducted twice.\r\n\r\nTo Continue anyway, Click 'Yes'";
}

suite::assets::ChartItem building(long long wdv) {
  return {"OFFICE", "Buildings", 10, Money::rupees(wdv), Money(), Money(), Money()};
}

TEST(DepreciationDebitedCheck, ANilBooksFigureBesideTheChartAsks) {
  const auto withChart = [](long long wdv, int nil) {
    return [wdv, nil](ReturnYear& y) {
      y.depreciationChart = {building(wdv)};
      y.businessesWithoutBooksDepreciation = nil;
    };
  };
  const std::vector<testing::StopCase> cases{
      // 10 % of 1,00,000.
      {"one business, proprietor", "ITR-4", "I", 2016, "Depreciation debited to P&L", withChart(100000, 1),
       withChart(100000, 0), CheckOutcome::asked, asked("10,000", 1)},
      {"two businesses of a firm", "ITR-5", "FIRM", 2015, "Depreciation debited to P&L", withChart(250000, 2),
       withChart(0, 2), CheckOutcome::asked, asked("25,000", 2)},
  };
  testing::expectEachStopsAndPassesBeside(cases, testing::readyParticulars("CURRENT"), *makeDate(1, 8, 2017));
}

// The count comes from the data set's rows: a presumptive business and one
// with its books' depreciation entered are not counted.
class DepreciationDebitedFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  void addBusiness(int number, const char* debited) {
    db::insertRow(conn(), "income_business",
                  {{"code_no", "I1"}, {"ass_year", 2016}, {"business_no", number}, {"net_profit", "90000.00"},
                   {"dep_debited", debited}});
  }
};

TEST_P(DepreciationDebitedFromTables, CountsBusinessesOnAccountsWithNothingDebited) {
  addBusiness(1, "0");
  addBusiness(2, "15000.00");
  addBusiness(3, "0");
  db::insertRow(conn(), "business_44adaf",
                {{"code_no", "I1"}, {"ass_year", 2016}, {"bus_num", 3}, {"srno", 1}, {"part_num", 0},
                 {"turnover", "500000.00"}});
  EXPECT_EQ(readReturnYear(conn(), "I1", 2016).businessesWithoutBooksDepreciation, 1);
}

MERIDIAN_ON_BOTH_ENGINES(DepreciationDebitedFromTables);

}  // namespace
}  // namespace meridian::itr
