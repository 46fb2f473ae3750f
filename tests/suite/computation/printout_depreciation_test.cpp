// The depreciation schedule in the printed computation of a professional
// who keeps accounts: the chart's blocks after the business statements,
// with the additions at half the rate, a block sold beyond its value and an
// item in no block of the Rules noted under it. Compared with its golden
// file (regenerated only with MERIDIAN_REGENERATE_GOLDEN=1, every changed
// line reviewed).
#include <gtest/gtest.h>

#include "db/rows.h"
#include "suite/computation/printout_document.h"
#include "suite/computation/printout_source.h"
#include "suite/heads/demo_heads.h"
#include "suite/report/text_renderer.h"
#include "demo_heads_test.h"
#include "support/db_fixture.h"
#include "support/golden_file.h"

namespace meridian::suite::computation {
namespace {

class DepreciationSchedulePrintout : public DemoHeadsTest {
 protected:
  void addItem(int srno, const char* item, const char* block, int rate, const char* opening, const char* full,
               const char* half, const char* sales) {
    db::insertRow(conn(), "dep_itr_it",
                  {{"code_no", "C0823"}, {"t_year", 2016}, {"srno", srno}, {"item", item}, {"block", block},
                   {"rate", rate}, {"opening_wdv", opening}, {"add_full", full}, {"add_half", half},
                   {"sales", sales}});
  }
  // yearOptions: new_tab.opts as the year's boxes give it ("" the defaults).
  std::string printed(const std::string& yearOptions = "") {
    auto data = loadPrintoutData(conn(), {"C0823", "C0823", 2016, ""});
    if (!yearOptions.empty()) data.signer.options = yearOptions;
    return report::renderText(*paginatedPrintout(data, PrintoutOptions::read([](const std::string&) { return ""; }),
                                                 PrintMode::computation));
  }
};

TEST_P(DepreciationSchedulePrintout, TheChartPrintsByBlockAfterTheBusinessStatements) {
  EXPECT_EQ(printed().find("DEPRECIATION AS PER INCOME-TAX ACT"), std::string::npos) << "no chart, no schedule";
  // Buildings 10 % of 12,00,000 = 1,20,000; furniture 10 % of 1,50,000 and
  // 5 % of 40,000 = 17,000; computers 60 % of 1,30,000 = 78,000; the car
  // sold for 3,50,000 against 3,00,000: gain 50,000, no depreciation.
  addItem(1, "OFFICE PREMISES", "Buildings", 10, "1200000", "0", "0", "0");
  addItem(2, "FURNITURE", "Furniture and fittings", 10, "150000", "0", "40000", "0");
  addItem(3, "LAPTOPS", "Machinary and plant", 60, "60000", "90000", "0", "20000");
  addItem(4, "CAR", "Machinary and plant", 15, "300000", "0", "0", "350000");
  addItem(5, "SOFTWARE LICENCE", "Other", 25, "50000", "0", "0", "0");
  testsupport::expectGoldenFile(std::filesystem::path(MERIDIAN_TEST_DATA_DIR) / "computation" /
                                    "c0823_depreciation_schedule.txt",
                                printed());
  // The year's box cleared: the chart on a page of its own, after the
  // other schedules.
  testsupport::expectGoldenFile(std::filesystem::path(MERIDIAN_TEST_DATA_DIR) / "computation" /
                                    "c0823_depreciation_own_page.txt",
                                printed("00000001001"));
}

MERIDIAN_ON_BOTH_ENGINES(DepreciationSchedulePrintout);

}  // namespace
}  // namespace meridian::suite::computation
