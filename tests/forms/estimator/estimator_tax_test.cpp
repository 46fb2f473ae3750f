// Tax of a case from its incomes: exemption shortfall, agricultural income,
// status rates, special rates, rebate u/s 87A, surcharge with marginal relief,
// cess and MAT/AMT. Expected figures are worked by hand in the comments.
#include <gtest/gtest.h>

#include <functional>

#include "estimator_cases.h"
#include "forms/estimator/tax_computation.h"

namespace meridian::forms::estimator {
namespace {

using testing::blankCase;
using testing::run;

struct TaxCase_ {
  const char* name;
  std::function<void(EstimateInput&)> set;
  int year;
  Status status;
  Rupees tax, rebate, surcharge, educationCess, sheCess, totalTax;
};

const TaxCase_ kCases[] = {
    // E 250000 (2016). Shortfall 50000 takes LTCG 30000 whole, then 20000 of the
    // 111A gain: 15 % of 20000 = 3000; rebate min(3000, 2000); cess 2 %/1 % of 1000.
    {"shortfall from LTCG then 111A", [](auto& in) { in.other = 200000; in.ltcg20 = 30000; in.stcg111a = 40000; },
     2016, Status::Individual, 3000, 2000, 0, 20, 10, 1030},
    // Shortfall 150000 leaves 50000 of LTCG: 20 % = 10000; rebate 2000; cess of 8000: 160 + 80.
    {"shortfall partly covers LTCG", [](auto& in) { in.other = 100000; in.ltcg20 = 200000; },
     2016, Status::Individual, 10000, 2000, 0, 160, 80, 8240},
    // A firm has no exemption limit: 30 % of 100000 + 20 % of 200000; cess 2100 + 1050.
    {"firm has no shortfall", [](auto& in) { in.other = 100000; in.ltcg20 = 200000; },
     2016, Status::Firm, 70000, 0, 0, 1400, 700, 72100},
    // Agricultural 5000 is not integrated: 10 % of (498000 - 250000) = 24800; income within
    // 500000, so rebate 2000; cess 2 % and 1 % of 22800.
    {"agricultural exactly 5000", [](auto& in) { in.other = 498000; in.agricultural = 5000; },
     2016, Status::Individual, 24800, 2000, 0, 456, 228, 23484},
    // 5010 is: slab(503010) - slab(255010) = (25000 + 20 % of 3010) - 10 % of 5010 = 25602 - 501;
    // total income 498000 (agricultural income is not part of it): rebate 2000; cess of 23101: 462.02 + 231.01.
    {"agricultural above 5000", [](auto& in) { in.other = 498000; in.agricultural = 5010; },
     2016, Status::Individual, 25101, 2000, 0, 462, 231, 23794},
    // Normal income exactly E: no integration, tax 0.
    {"agricultural with income at E", [](auto& in) { in.other = 250000; in.agricultural = 300000; },
     2016, Status::Individual, 0, 0, 0, 0, 0, 0},
    // slab(260000 + 300000) - slab(250000 + 300000) = 37000 - 35000; rebate 2000 leaves 0.
    {"agricultural with income above E", [](auto& in) { in.other = 260000; in.agricultural = 300000; },
     2016, Status::Individual, 2000, 2000, 0, 0, 0, 0},
    // Co-operative: 10 % of 10000 + 20 % of 10000 + 30 % of 10000; cess 120 + 60.
    {"co-operative scale", [](auto& in) { in.other = 30000; }, 2016, Status::CooperativeSociety, 6000, 0, 0, 120, 60, 6180},
    // 10 % of 250 = 25; 2 % = 0.50 rounds to even 0, 1 % = 0.25 to 0.
    {"cess half to even down", [](auto& in) { in.other = 250; }, 2016, Status::CooperativeSociety, 25, 0, 0, 0, 0, 25},
    // 30 % of 250 = 75; 2 % = 1.50 rounds to even 2, 1 % = 0.75 to 1.
    {"cess half to even up", [](auto& in) { in.other = 250; }, 2016, Status::Firm, 75, 0, 0, 2, 1, 78},
    {"company 30 % without the option", [](auto& in) { in.other = 100000; }, 2017, Status::Company, 30000, 0, 0, 600, 300, 30900},
    // 29 % of 100000; cess 580 + 290.
    {"company 29 % with the option", [](auto& in) { in.other = 100000; in.compTaxRate = true; },
     2017, Status::Company, 29000, 0, 0, 580, 290, 29870},
    {"no 29 % before 2017", [](auto& in) { in.other = 100000; in.compTaxRate = true; },
     2016, Status::Company, 30000, 0, 0, 600, 300, 30900},
    {"no 29 % for a firm", [](auto& in) { in.other = 100000; in.compTaxRate = true; },
     2017, Status::Firm, 30000, 0, 0, 600, 300, 30900},
    // 111A at 10 % up to 2008, 15 % from 2009; no SHEC before 2008.
    {"111A at 10 % in 2008", [](auto& in) { in.stcg111a = 100000; }, 2008, Status::Company, 10000, 0, 0, 200, 100, 10300},
    {"111A at 15 % in 2009", [](auto& in) { in.stcg111a = 100000; }, 2009, Status::Company, 15000, 0, 0, 300, 150, 15450},
    // 2007: every domestic company paid 10 % surcharge; cess 2 % of 33000, no SHEC yet.
    {"no SHEC in 2007", [](auto& in) { in.other = 100000; }, 2007, Status::Company, 30000, 0, 3000, 660, 0, 33660},
    // Casual income takes no shortfall: 30 % of 100000; rebate 2000; cess 560 + 280.
    {"casual income at 30 %", [](auto& in) { in.casual = 100000; }, 2016, Status::Individual, 30000, 2000, 0, 560, 280, 28840},
    // Rebate: 2017 income 500000: 10 % of 250000 = 25000, rebate 5000; cess 400 + 200.
    {"rebate 5000 at 500000", [](auto& in) { in.other = 500000; }, 2017, Status::Individual, 25000, 5000, 0, 400, 200, 20600},
    // 500010 is over the limit: 25002; cess 500.04 + 250.02.
    {"no rebate above 500000", [](auto& in) { in.other = 500010; }, 2017, Status::Individual, 25002, 0, 0, 500, 250, 25752},
    {"rebate 2000 in 2014", [](auto& in) { in.other = 500000; }, 2014, Status::Individual, 30000, 2000, 0, 560, 280, 28840},
    {"no rebate in 2013", [](auto& in) { in.other = 500000; }, 2013, Status::Individual, 30000, 0, 0, 600, 300, 30900},
    {"no rebate for an HUF", [](auto& in) { in.other = 500000; }, 2014, Status::Huf, 30000, 0, 0, 600, 300, 30900},
    // Surcharge, individual 2017 (15 % above 1 crore). Tax at 1 crore:
    // 25000 + 100000 + 30 % of 9000000 = 2825000; cess 56500 + 28250.
    {"individual at 1 crore", [](auto& in) { in.other = 10000000; }, 2017, Status::Individual, 2825000, 0, 0, 56500, 28250, 2909750},
    // 10000010: tax 2825003; 15 % = 423750; relief 10 + 2825000 - 2825003 = 7.
    // Cess on 2825010: 56500.20 and 28250.10.
    {"marginal relief above 1 crore", [](auto& in) { in.other = 10000010; }, 2017, Status::Individual,
     2825003, 0, 7, 56500, 28250, 2909760},
    // 11000000: tax 3125000; 15 % = 468750 < relief 1000000 + 2825000 - 3125000.
    // Cess on 3593750: 71875 and 35937.50 (to even 35938).
    {"full surcharge well above 1 crore", [](auto& in) { in.other = 11000000; }, 2017, Status::Individual,
     3125000, 0, 468750, 71875, 35938, 3701563},
    // 2016 individual 12 %: 12 % of 3125000 = 375000; cess on 3500000: 70000 + 35000.
    {"individual 12 % in 2016", [](auto& in) { in.other = 11000000; }, 2016, Status::Individual, 3125000, 0, 375000, 70000, 35000, 3605000},
    // 2014: threshold 1 crore, 10 %. Tax on 5 crore (E 200000): 30000 + 100000 + 30 % of 49000000
    // = 14830000; 10 % = 1483000; cess on 16313000: 326260 + 163130.
    {"2014 surcharge 10 %", [](auto& in) { in.other = 50000000; }, 2014, Status::Individual, 14830000, 0, 1483000, 326260, 163130, 16802390},
    // 2014, 50 lakh: under the 1 crore threshold: 130000 + 30 % of 4000000 = 1330000; cess 26600 + 13300.
    {"2014 no surcharge under 1 crore", [](auto& in) { in.other = 5000000; }, 2014, Status::Individual, 1330000, 0, 0, 26600, 13300, 1369900},
    // 2013, 50 lakh: no surcharge on individuals in A.Y. 2010-11 to 2013-14; cess 26600 + 13300.
    {"2013 no surcharge", [](auto& in) { in.other = 5000000; }, 2013, Status::Individual, 1330000, 0, 0, 26600, 13300, 1369900},
    // Firm 2016 10 %: 10000010: tax 3000003; relief 10 + 3000000 - 3000003 = 7; cess 60000.20 + 30000.10.
    {"firm marginal relief 2016", [](auto& in) { in.other = 10000010; }, 2016, Status::Firm, 3000003, 0, 7, 60000, 30000, 3090010},
    // Firm 2017 12 %: 11000000: 3300000 * 12 % = 396000; cess on 3696000: 73920 + 36960.
    {"firm 12 % in 2017", [](auto& in) { in.other = 11000000; }, 2017, Status::Firm, 3300000, 0, 396000, 73920, 36960, 3806880},
    // 2015 still 10 %: 330000; cess on 3630000: 72600 + 36300.
    {"firm 10 % in 2015", [](auto& in) { in.other = 11000000; }, 2015, Status::Firm, 3300000, 0, 330000, 72600, 36300, 3738900},
    {"firm 12 % in 2016", [](auto& in) { in.other = 11000000; }, 2016, Status::Firm, 3300000, 0, 396000, 73920, 36960, 3806880},
    // Co-operative 2017: 3000 + 30 % of 10980000 = 3297000; 12 % = 395640; cess on 3692640: 73852.80 + 36926.40.
    {"co-operative 12 % in 2017", [](auto& in) { in.other = 11000000; }, 2017, Status::CooperativeSociety, 3297000, 0, 395640, 73853, 36926, 3803419},
    // Company 2016: 5 crore: 7 % of 15000000 = 1050000; cess on 16050000: 321000 + 160500.
    {"company 7 % between 1 and 10 crore", [](auto& in) { in.other = 50000000; }, 2016, Status::Company, 15000000, 0, 1050000, 321000, 160500, 16531500},
    // Company 2016 100000010: tax 30000003; 12 % = 3600000.36; due at 10 crore 30000000 + 7 % = 32100000;
    // relief 10 + 32100000 - 30000003 = 2100007; cess on 32100010: 642000.20 + 321000.10.
    {"company relief above 10 crore", [](auto& in) { in.other = 100000010; }, 2016, Status::Company, 30000003, 0, 2100007, 642000, 321000, 33063010},
    // Company 2015 100000010: 10 % band; due at 10 crore 30000000 + 5 % = 31500000; relief 10 + 31500000 - 30000003.
    {"company relief above 10 crore 2015", [](auto& in) { in.other = 100000010; }, 2015, Status::Company, 30000003, 0, 1500007, 630000, 315000, 32445010},
    // Company 2016 11 crore: 12 % of 33000000 = 3960000 < relief 10000000 + 32100000 - 33000000;
    // cess on 36960000: 739200 + 369600; total 36960000 + 1108800.
    {"company 12 % above 10 crore", [](auto& in) { in.other = 110000000; }, 2016, Status::Company, 33000000, 0, 3960000, 739200, 369600, 38068800},
    // Company 2017 at 29 %: 10000010 * 29 % = 2900002.90 -> 2900003; relief 10 + 2900000 - 2900003.
    {"company 29 % relief", [](auto& in) { in.other = 10000010; in.compTaxRate = true; }, 2017, Status::Company,
     2900003, 0, 7, 58000, 29000, 2987010},
    // MAT 2016: 18.5 % of 1000000 = 185000 above the normal tax 0; cess 3700 + 1850.
    {"MAT above normal tax", [](auto& in) { in.bookProfit = 1000000; }, 2016, Status::Company, 185000, 0, 0, 3700, 1850, 190550},
    // Normal 300000 + 9000 beats MAT 190550.
    {"normal tax above MAT", [](auto& in) { in.other = 1000000; in.bookProfit = 1000000; }, 2016, Status::Company, 300000, 0, 0, 6000, 3000, 309000},
    // MAT 18.5 % of 10000010 = 1850001.85 -> 1850002; 7 % = 129500; relief 10 + 1850000 - 1850002 = 8;
    // cess on 1850010: 37000.20 + 18500.10.
    {"MAT marginal relief", [](auto& in) { in.bookProfit = 10000010; }, 2016, Status::Company, 1850002, 0, 8, 37000, 18500, 1905510},
    // AMT for a firm from 2013, threshold 10 lakh not exceeded at 1000000.
    {"AMT for a firm in 2013", [](auto& in) { in.bookProfit = 1000000; }, 2013, Status::Firm, 185000, 0, 0, 3700, 1850, 190550},
    {"no AMT for a firm in 2012", [](auto& in) { in.bookProfit = 1000000; }, 2012, Status::Firm, 0, 0, 0, 0, 0, 0},
    // An individual pays no AMT on an adjusted total income up to 20 lakh (s.115JEE(2)).
    {"no AMT at 20 lakh", [](auto& in) { in.bookProfit = 2000000; }, 2017, Status::Individual, 0, 0, 0, 0, 0, 0},
    {"no AMT for an HUF at 20 lakh", [](auto& in) { in.bookProfit = 2000000; }, 2013, Status::Huf, 0, 0, 0, 0, 0, 0},
    // 2000010: 18.5 % = 370001.85 -> 370002; cess 7400.04 + 3700.02.
    {"AMT above 20 lakh", [](auto& in) { in.bookProfit = 2000010; }, 2017, Status::Individual, 370002, 0, 0, 7400, 3700, 381102},
    {"HUF AMT above 20 lakh", [](auto& in) { in.bookProfit = 2000010; }, 2013, Status::Huf, 370002, 0, 0, 7400, 3700, 381102},
    // The 20 lakh limit is an individual's: a firm pays AMT below it.
    {"firm AMT below 20 lakh", [](auto& in) { in.bookProfit = 100000; }, 2017, Status::Firm, 18500, 0, 0, 370, 185, 19055},
    {"MAT 15 % in 2010", [](auto& in) { in.bookProfit = 1000000; }, 2010, Status::Company, 150000, 0, 0, 3000, 1500, 154500},
    // 2005: MAT 75000 bears the 10 % surcharge of every company that year; cess 2 % of 82500.
    {"MAT 7.5 % in 2005", [](auto& in) { in.bookProfit = 1000000; }, 2005, Status::Company, 75000, 0, 7500, 1650, 0, 84150},
};

TEST(EstimatorTax, FiguresOfEachRule) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EstimateInput in = blankCase(c.year, c.status);
    c.set(in);
    const EstimateResult r = run(in);
    EXPECT_EQ(r.tax, c.tax);
    EXPECT_EQ(r.rebate, c.rebate);
    EXPECT_EQ(r.surcharge, c.surcharge);
    EXPECT_EQ(r.educationCess, c.educationCess);
    EXPECT_EQ(r.sheCess, c.sheCess);
    EXPECT_EQ(r.totalTax, c.totalTax);
  }
}

TEST(EstimatorTax, TotalIncomeFromTheHeads) {
  struct Case {
    const char* name;
    std::function<void(EstimateInput&)> set;
    Rupees totalIncome;
  } cases[] = {
      {"rounds down below five", [](auto& in) { in.salary = 123454; }, 123450},
      {"rounds up from five", [](auto& in) { in.salary = 123455; }, 123460},
      // 70 % of 100000 - 10000 - 150000 = -90000 against salary 500000.
      {"house property loss", [](auto& in) { in.salary = 500000; in.hpLetOut = 100000; in.hpDeductions = 10000; in.hpSelfOccupied = 150000; }, 410000},
      // Brought-forward house property loss 100000 only meets house property 70000.
      {"b/f house property loss stays in its head", [](auto& in) { in.salary = 100000; in.hpLetOut = 100000; in.bfHp = 100000; }, 100000},
      // Family pension 60000 less one third capped at 15000; 30000 less 10000.
      {"family pension cap", [](auto& in) { in.familyPension = 60000; }, 45000},
      {"family pension third", [](auto& in) { in.familyPension = 30000; }, 20000},
      // Minor income: 1500 for each child whose income is clubbed, with no overall cap (s.10(32)).
      {"three children", [](auto& in) { in.minorIncome = 5000; in.children = 3; }, 500},
      {"exemption stops at the income", [](auto& in) { in.minorIncome = 2000; in.children = 2; }, 0},
      {"one child", [](auto& in) { in.minorIncome = 5000; in.children = 1; }, 3500},
      // Speculation loss never meets ordinary business; ordinary loss meets both.
      {"b/f speculation loss", [](auto& in) { in.businessOrdinary = 100000; in.bfBusinessSpeculation = 50000; }, 100000},
      {"b/f business loss", [](auto& in) { in.businessOrdinary = 100000; in.businessSpeculation = 100000; in.bfBusinessOrdinary = 150000; }, 50000},
      {"b/f long-term loss", [](auto& in) { in.stcgOthers = 100000; in.bfLtcg = 50000; }, 100000},
      {"b/f short-term loss meets LTCG", [](auto& in) { in.ltcg20 = 100000; in.bfStcg = 30000; }, 70000},
      {"unabsorbed depreciation spares salary", [](auto& in) { in.salary = 100000; in.other = 20000; in.bfUnabsorbedDepreciation = 50000; }, 100000},
      {"deductions stop at normal income", [](auto& in) { in.other = 100000; in.deductionsVia = 150000; in.ltcg20 = 200000; }, 200000},
      {"casual takes no loss", [](auto& in) { in.casual = 50000; in.bfUnabsorbedDepreciation = 50000; }, 50000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EstimateInput in = blankCase(2016, Status::Individual);
    c.set(in);
    EXPECT_EQ(run(in).totalIncome, c.totalIncome);
  }
}

}  // namespace
}  // namespace meridian::forms::estimator
