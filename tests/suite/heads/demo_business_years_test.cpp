// The demo's business and capital-gains years, as `meridian demo` enters
// them, load whole and compute to the figures worked out by hand below (law
// of A.Y. 2016-17: slabs 2.5 / 5 / 10 lakh at 10 / 20 / 30 %, 3 lakh for a
// senior citizen; rebate u/s 87A up to Rs. 2,000 on income up to 5 lakh;
// education cess 2 % and secondary and higher education cess 1 %, each
// rounded to the rupee; firm and company 30 %; MAT 18.5 % of book profit).
#include <gtest/gtest.h>

#include <filesystem>

#include "suite/demo_practice.h"
#include "suite/engine/compute_year.h"
#include "suite/heads/year_input_loader.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

struct HandComputed {
  const char* code;
  long long grossTotalIncome, totalIncome, taxNormal, taxSpecial, rebate87a, netTax;
  long long bookProfit = 0, matCredit = 0;  // the company only
};

const HandComputed kYears[] = {
    // C0821, s.44AD: 8 % of 62,40,000 = 4,99,200; interest 6,400 + 14,000.
    // GTI 5,19,600 - (80C 1,00,000 + 80D 15,000 + 80TTA 6,400) = 3,98,200.
    // Tax 10 % of 1,48,200 = 14,820 - rebate 2,000 = 12,820; cess 256 + 128.
    {"C0821", 519600, 398200, 14820, 0, 2000, 13204},
    // C0822, s.44AE at Rs. 7,500 a month for every vehicle (Finance (No. 2)
    // Act, 2014): 9,000 x 12 declared + 3 x 7,500 x 12 + 7,500 x 6 = 1,08,000
    // + 2,70,000 + 45,000 = 4,23,000; interest 62,000 + 7,500. GTI 4,92,500 -
    // 67,500 = 4,25,000. Tax 17,500 - rebate 2,000 = 15,500; cess 310 + 155.
    {"C0822", 492500, 425000, 17500, 0, 2000, 15965},
    // C0823, profession: net profit 14,20,000 + s.40(a)(ia) 25,020 = 14,45,020;
    // interest 52,000. GTI 14,97,020 - 1,85,000 = 13,12,020.
    // Tax 25,000 + 1,00,000 + 30 % of 3,12,020 (93,606) = 2,18,606; cess 4,372 + 2,186.
    {"C0823", 1497020, 1312020, 218606, 0, 0, 225164},
    // C0824, partner: salary 9,00,000 + interest 1,80,000 from the firm (share
    // exempt); self-occupied house -1,50,000; savings 9,000. GTI 9,39,000 -
    // 1,84,000 = 7,55,000. Tax 25,000 + 20 % of 2,55,000 = 76,000; cess 1,520 + 760.
    {"C0824", 939000, 755000, 76000, 0, 0, 78280},
    // C0825, the firm: 24,50,000 + s.43B 40,000 + interest 60,000 = 25,50,000.
    // Tax 30 % = 7,65,000; cess 15,300 + 7,650.
    {"C0825", 2550000, 2550000, 765000, 0, 0, 787950},
    // C0826, the company: business 42,00,000 + 6,00,000 + 2,00,000 = 50,00,000,
    // interest 1,50,000, less unabsorbed depreciation 38,00,000: 13,50,000.
    // Normal tax 30 % = 4,05,000 (+ cess 12,150 = 4,17,150). Book profit
    // 42,00,000 + 6,00,000 - 9,00,000 = 39,00,000; MAT 18.5 % = 7,21,500, cess
    // 14,430 + 7,215: 7,43,145 payable; credit 7,43,145 - 4,17,150 = 3,25,995.
    {"C0826", 1350000, 1350000, 405000, 0, 0, 743145, 3900000, 325995},
    // C0827, senior citizen: consideration 85,00,000 - transfer 85,000 - cost
    // 17,88,000 x 1081/447 (43,24,000) - improvement 2,75,500 x 1081/551
    // (5,40,500) = 35,50,500, less s.54 30,00,000: 5,50,500 long-term. Pension
    // 7,20,000 + interest 58,000 - 1,40,000 = 6,38,000 normal: 10 % of 2,00,000
    // + 20 % of 1,38,000 = 47,600; 20 % of 5,50,500 = 1,10,100; cess 3,154 + 1,577.
    {"C0827", 1328500, 1188500, 47600, 110100, 0, 162431},
    // C0828: salary 12,00,000 + savings 8,000 + s.111A gain 6,40,000 - 2,000 -
    // 5,10,000 = 1,28,000 (the long-term sale exempt u/s 10(38)). GTI 13,36,000
    // - 1,78,000 = 11,58,000; normal 10,30,000: 1,25,000 + 30 % of 30,000 =
    // 1,34,000; 15 % of 1,28,000 = 19,200; cess 3,064 + 1,532.
    {"C0828", 1336000, 1158000, 134000, 19200, 0, 157796},
};

class DemoBusinessYears : public testsupport::DbTest {};

TEST_P(DemoBusinessYears, ComputeToTheFiguresWorkedByHand) {
  const std::string dir = testsupport::scratchDir("demo-business");
  suite::seedDemoPractice(conn(), suite::DataFolder::open(dir), {.clients = 3});
  for (const HandComputed& want : kYears) {
    SCOPED_TRACE(want.code);
    const auto loaded = loadYearInput(conn(), {want.code, want.code, 2016});
    EXPECT_EQ(loaded.notes, LoadNotes{});
    const engine::YearResult r = engine::computeYear(loaded.input);
    EXPECT_EQ(r.grossTotalIncome, Money::rupees(want.grossTotalIncome));
    EXPECT_EQ(r.totalIncome, Money::rupees(want.totalIncome));
    EXPECT_EQ(r.tax.taxNormal, Money::rupees(want.taxNormal));
    EXPECT_EQ(r.tax.taxSpecial, Money::rupees(want.taxSpecial));
    EXPECT_EQ(r.tax.rebate87a, Money::rupees(want.rebate87a));
    EXPECT_EQ(r.netTax, Money::rupees(want.netTax));
    EXPECT_EQ(r.alternate.payable, want.bookProfit != 0);
    if (want.bookProfit == 0) continue;
    EXPECT_EQ(r.alternate.base, Money::rupees(want.bookProfit));
    EXPECT_EQ(r.alternate.creditArisen, Money::rupees(want.matCredit));
  }
  std::filesystem::remove_all(dir);
}

// C0822 owes 15,965 - 6,200 deducted = 9,765: under Rs. 10,000, so no advance
// tax was due (s.208) and no interest u/ss 234B, 234C; paid as self-assessment
// tax on 26/07/2016, before the due date of 31/07/2016 (no interest u/s 234A).
TEST_P(DemoBusinessYears, TheTransportersSelfAssessmentTaxSettlesHisYear) {
  const std::string dir = testsupport::scratchDir("demo-self-assessment");
  suite::seedDemoPractice(conn(), suite::DataFolder::open(dir), {.clients = 3});
  const engine::YearResult r = engine::computeYear(loadYearInput(conn(), {"C0822", "C0822", 2016}).input);
  EXPECT_EQ(r.tds, Money::rupees(6200));
  EXPECT_EQ(r.selfAssessmentTax, Money::rupees(9765));
  EXPECT_EQ(r.interest.total(), Money{});
  EXPECT_EQ(r.balance, Money{});
  std::filesystem::remove_all(dir);
}

TEST_P(DemoBusinessYears, TheFirmHasItsPartnersAndThePartnerNamesTheFirm) {
  const std::string dir = testsupport::scratchDir("demo-partners");
  suite::seedDemoPractice(conn(), suite::DataFolder::open(dir), {.clients = 3});
  // The persons linked to the firm, and what the firm's year pays each.
  EXPECT_EQ(conn().query("SELECT o.code, p.pro_rate, p.remun, p.intt FROM owner1 o JOIN part_remu p ON p.code = o.code "
                         "WHERE o.code_no = 'C0825' AND p.t_year = 2016 ORDER BY o.code")
                .size(),
            2u);
  EXPECT_EQ(conn().scalar("SELECT CASE WHEN SUM(pro_rate) = 100 THEN 'whole' ELSE 'not whole' END FROM part_remu "
                          "WHERE t_year = 2016 AND code IN (SELECT code FROM owner1 WHERE code_no = 'C0825')"),
            "whole")
      << "a firm's shares make the whole";
  // The firm's salaries and interest to partners, as its year describes them.
  EXPECT_EQ(conn().scalar("SELECT SUM(remun) FROM part_remu WHERE t_year = 2016"), "1500000");
  EXPECT_EQ(conn().scalar("SELECT SUM(intt) FROM part_remu WHERE t_year = 2016"), "300000");
  // The partner's own year names the firm by its PAN, and takes what the firm pays him.
  EXPECT_EQ(conn().scalar("SELECT firm_pan FROM business_firm WHERE code_no = 'C0824' AND ass_year = 2016"),
            conn().scalar("SELECT pan FROM main_info1 WHERE code_no = 'C0825'"));
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM business_firm f JOIN part_remu p ON p.code = f.code_no "
                          "AND p.t_year = f.ass_year WHERE f.salary = p.remun AND f.interest = p.intt"),
            "1");
  std::filesystem::remove_all(dir);
}

MERIDIAN_ON_BOTH_ENGINES(DemoBusinessYears);

}  // namespace
}  // namespace meridian::suite::heads
