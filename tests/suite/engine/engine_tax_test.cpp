// Tax on total income year by year: the scales of each Finance Act (as the
// CBDT's circulars on TDS from salaries restate them: No. 08/2012 for A.Y.
// 2013-14, No. 01/2017 for A.Y. 2017-18), rebate u/s 87A, the unused exemption
// against gains at special rates, winnings, surcharge with marginal relief,
// cesses and the rounding of total income. Figures worked by hand.
#include <gtest/gtest.h>

#include "engine_cases.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::rs;

struct TaxCase {
  const char* name;
  int year;
  Status status;
  void (*set)(YearInput&);
  std::int64_t totalIncome, tax, rebate, surcharge, educationCess, sheCess;
};

void interest(YearInput& in, std::int64_t r) { in.otherSources.otherInterest = rs(r); }

const TaxCase kCases[] = {
    // 10 % of 3 lakh + 20 % of 5 lakh + 30 % of 2 lakh; no rebate before 2014-15.
    {"2013 slabs", 2013, Status::individual, [](YearInput& in) { interest(in, 1200000); }, 1200000, 190000, 0, 0, 3800, 1900},
    // 10 % of 3 lakh less 2000 rebate; cess on 28000.
    {"2014 rebate at 5 lakh", 2014, Status::individual, [](YearInput& in) { interest(in, 500000); }, 500000, 30000, 2000, 0, 560, 280},
    // Ten rupees over 5 lakh: no rebate; 2 % of 30002 = 600.04.
    {"2014 no rebate above 5 lakh", 2014, Status::individual, [](YearInput& in) { interest(in, 500010); }, 500010, 30002, 0, 0, 600, 300},
    {"2015 limit 2.5 lakh", 2015, Status::individual, [](YearInput& in) { interest(in, 500000); }, 500000, 25000, 2000, 0, 460, 230},
    // 2017-18: rebate up to 5000 (Circular No. 01/2017).
    {"2017 rebate 5000", 2017, Status::individual, [](YearInput& in) { interest(in, 500000); }, 500000, 25000, 5000, 0, 400, 200},
    {"2017 rebate takes all", 2017, Status::individual, [](YearInput& in) { interest(in, 300000); }, 300000, 5000, 5000, 0, 0, 0},
    // Born 1 April 1956: sixty on 1 April 2016, senior for 2016-17; limit 3 lakh.
    {"2016 senior", 2016, Status::individual,
     [](YearInput& in) { interest(in, 400000); in.dob = parseDmy("01/04/1956"); }, 400000, 10000, 2000, 0, 160, 80},
    // The senior scale and the rebate are for residents only.
    {"2016 senior non-resident", 2016, Status::individual,
     [](YearInput& in) { interest(in, 400000); in.dob = parseDmy("01/04/1956"); in.residence = Residence::nonResident; },
     400000, 15000, 0, 0, 300, 150},
    // Very senior, limit 5 lakh: 20 % of 1 lakh.
    {"2013 very senior", 2013, Status::individual,
     [](YearInput& in) { interest(in, 600000); in.dob = parseDmy("15/08/1930"); }, 600000, 20000, 0, 0, 400, 200},
    {"2017 HUF has no rebate", 2017, Status::huf, [](YearInput& in) { interest(in, 400000); }, 400000, 15000, 0, 0, 300, 150},
    {"2016 AOP on the general scale", 2016, Status::aopBoi, [](YearInput& in) { interest(in, 400000); }, 400000, 15000, 0, 0, 300, 150},
    {"2016 firm 30 %", 2016, Status::firm, [](YearInput& in) { interest(in, 100000); }, 100000, 30000, 0, 0, 600, 300},
    {"2016 LLP 30 %", 2016, Status::llp, [](YearInput& in) { interest(in, 100000); }, 100000, 30000, 0, 0, 600, 300},
    {"2017 small company 29 %", 2017, Status::company,
     [](YearInput& in) { interest(in, 100000); in.smallCompany = true; }, 100000, 29000, 0, 0, 580, 290},
    {"2016 no 29 % before 2017", 2016, Status::company,
     [](YearInput& in) { interest(in, 100000); in.smallCompany = true; }, 100000, 30000, 0, 0, 600, 300},
    {"2016 co-operative scale", 2016, Status::cooperative, [](YearInput& in) { interest(in, 30000); }, 30000, 6000, 0, 0, 120, 60},
    // Shortfall of 1.5 lakh taken off the long-term gain: 20 % of 50000, rebate 2000.
    {"2016 shortfall against LTCG", 2016, Status::individual,
     [](YearInput& in) { interest(in, 100000); in.capitalGains.ltcgIndexed = rs(200000); }, 300000, 10000, 2000, 0, 160, 80},
    // A non-resident keeps the whole gain at 20 %.
    {"2016 no shortfall for a non-resident", 2016, Status::individual,
     [](YearInput& in) { interest(in, 100000); in.capitalGains.ltcgIndexed = rs(200000); in.residence = Residence::nonResident; },
     300000, 40000, 0, 0, 800, 400},
    // Shortfall 250000 - 200000 = 50000 off the 15 % gain first... after the 20 % gain (none here):
    // 111A gain 100000 - 50000 at 15 % = 7500, then 10 % gain 30000 = 3000; rebate 2000.
    {"2016 shortfall order", 2016, Status::individual,
     [](YearInput& in) { interest(in, 200000); in.capitalGains.stcg111a = rs(100000); in.capitalGains.ltcgWithoutIndexation = rs(30000); },
     330000, 10500, 2000, 0, 170, 85},
    // Winnings at 30 % without the exemption limit; the rebate reaches them.
    {"2016 winnings", 2016, Status::individual, [](YearInput& in) { in.otherSources.winnings = rs(100000); }, 100000, 30000, 2000, 0, 560, 280},
    // s.288A: 500004 rounds down, 500005 up (then above 5 lakh: no rebate).
    {"rounding down", 2016, Status::individual, [](YearInput& in) { interest(in, 500004); }, 500000, 25000, 2000, 0, 460, 230},
    {"rounding up", 2016, Status::individual, [](YearInput& in) { interest(in, 500005); }, 500010, 25002, 0, 0, 500, 250},
    // No surcharge on individuals in 2013-14.
    {"2013 no surcharge", 2013, Status::individual, [](YearInput& in) { interest(in, 20000000); }, 20000000, 5830000, 0, 0, 116600, 58300},
    // One crore exactly: no surcharge.
    {"2016 one crore", 2016, Status::individual, [](YearInput& in) { interest(in, 10000000); }, 10000000, 2825000, 0, 0, 56500, 28250},
    // 10010000: tax 2828000, 12 % = 339360; relief 10000 + 2825000 - 2828000 = 7000.
    {"2016 marginal relief", 2016, Status::individual, [](YearInput& in) { interest(in, 10010000); }, 10010000, 2828000, 0, 7000, 56700, 28350},
    // 2017-18 at 15 %: 10100000: tax 2855000, relief 100000 + 2825000 - 2855000 = 70000 < 428250.
    {"2017 marginal relief", 2017, Status::individual, [](YearInput& in) { interest(in, 10100000); }, 10100000, 2855000, 0, 70000, 58500, 29250},
    // Far above: 2 crore in 2014-15 at 10 %: tax 130000 + 30 % of 1.9 crore = 5830000; 583000.
    {"2014 full surcharge", 2014, Status::individual, [](YearInput& in) { interest(in, 20000000); }, 20000000, 5830000, 0, 583000, 128260, 64130},
    // Company above ten crore in 2016-17: at the threshold 30000000 + 7 % = 32100000;
    // relief 100000 + 32100000 - 30030000 = 2170000, under 12 % (3603600).
    {"2016 company second band", 2016, Status::company, [](YearInput& in) { interest(in, 100100000); }, 100100000, 30030000, 0, 2170000, 644000, 322000},
};

TEST(EngineTax, FiguresByYearStatusAndIncome) {
  for (const TaxCase& c : kCases) {
    YearInput in = blankYear(c.year, c.status);
    c.set(in);
    const YearResult r = computeYear(in);
    EXPECT_EQ(r.totalIncome, rs(c.totalIncome)) << c.name;
    EXPECT_EQ(r.tax.tax(), rs(c.tax)) << c.name;
    EXPECT_EQ(r.tax.rebate87a, rs(c.rebate)) << c.name;
    EXPECT_EQ(r.tax.surcharge, rs(c.surcharge)) << c.name;
    EXPECT_EQ(r.tax.educationCess, rs(c.educationCess)) << c.name;
    EXPECT_EQ(r.tax.sheCess, rs(c.sheCess)) << c.name;
  }
}

TEST(EngineTax, AgriculturalIncomeRaisesTheRateOnly) {
  // 2016: income 600000 and agricultural 100000: scale(700000) - scale(350000)
  // = 65000 - 10000 = 55000 (against 45000 without it).
  YearInput in = blankYear(2016);
  interest(in, 600000);
  in.agricultural = rs(100000);
  EXPECT_EQ(computeYear(in).tax.tax(), rs(55000));
  // Agricultural 5000 is not integrated.
  in.agricultural = rs(5000);
  EXPECT_EQ(computeYear(in).tax.tax(), rs(45000));
}

}  // namespace
}  // namespace meridian::engine
