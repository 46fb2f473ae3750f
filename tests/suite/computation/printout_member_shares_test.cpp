// The statement of shares of income as a member of AOPs and BOIs in the
// printed computation: at its marker under the business head, one row per
// AOP with its PAN, how it is taxed and where its share goes, a long name
// broken within its column. Compared with its golden file (regenerated only
// with MERIDIAN_REGENERATE_GOLDEN=1, every changed line reviewed).
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

class MemberSharePrintout : public DemoHeadsTest {
 protected:
  void addShare(int srno, const char* name, const char* pan, const char* pct, const char* share, const char* basis) {
    db::insertRow(conn(), "memsharedet",
                  {{"code_no", "C0801"}, {"t_year", 2016}, {"srno", srno}, {"aop_name", name}, {"aop_pan", pan},
                   {"share_pct", pct}, {"share_inc", share}, {"tax_basis", basis}});
  }
  std::string printed() {
    const auto data = loadPrintoutData(conn(), {"C0801", "C0801", 2016, ""});
    return report::renderText(*paginatedPrintout(data, PrintoutOptions::read([](const std::string&) { return ""; }),
                                                 PrintMode::computation));
  }
};

TEST_P(MemberSharePrintout, TheStatementPrintsAtItsMarkerUnderTheBusinessHead) {
  EXPECT_EQ(printed().find("AS MEMBER OF AOP/BOI"), std::string::npos) << "no shares, no statement";
  // 2,40,000 exempt (the AOP taxed at the maximum marginal rate); 60,000 and
  // 15,000 included in total income, the first with its tax rebated u/s 110.
  addShare(1, "GANGA BUILDERS AND DEVELOPERS CONSORTIUM", "AAAAG1234K", "25.00", "240000", "M");
  addShare(2, "SHREE RAM JOINT VENTURE", "AAAAS4321Q", "10.00", "60000", "N");
  addShare(3, "VILLAGE IRRIGATION BODY", "AAABV1111C", "5.50", "15000", "X");
  const std::string text = printed();
  const auto statement = text.find("STATEMENT OF SHARE OF INCOME AS MEMBER OF AOP/BOI");
  ASSERT_NE(statement, std::string::npos);
  EXPECT_LT(text.find("Share of Income from AOP/BOI exempt u/s 86"), statement);
  EXPECT_LT(statement, text.find("COMPUTATION OF TAX ON TOTAL INCOME"));
  testsupport::expectGoldenFile(std::filesystem::path(MERIDIAN_TEST_DATA_DIR) / "computation" /
                                    "c0801_member_shares.txt",
                                text);
}

MERIDIAN_ON_BOTH_ENGINES(MemberSharePrintout);

}  // namespace
}  // namespace meridian::suite::computation
