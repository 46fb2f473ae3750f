// Figures the Finance Act of each year gives, at and around each threshold:
// surcharge of every status year by year with marginal relief, the rebates of
// A.Y. 2005-06, and when advance tax and interest u/s 234C arise. Expected
// figures are worked by hand in the comments, from the Act, not from the code.
#include <gtest/gtest.h>

#include <functional>

#include "estimator_cases.h"

namespace meridian::forms::estimator {
namespace {

using testing::blankCase;
using testing::run;

struct SurchargeCase {
  int year;
  Status status;
  Rupees income;  // at normal rates
  Rupees tax, surcharge;
};

// Individual scales: 2005 nil/50000/60000/150000; 2006 100000/150000/250000;
// 2009 150000/300000/500000; 2014 200000/500000/1000000; 2016 250000/500000/1000000.
// Marginal relief at a threshold T for an income T + 10: tax(T) + 10 - tax(T + 10),
// which is 7 where the top rate is 30 %.
const SurchargeCase kSurcharges[] = {
    // Individuals: 10 % above 8.5 lakh in A.Y. 2005-06.
    {2005, Status::Individual, 850000, 229000, 0},       // 1000 + 18000 + 30 % of 700000
    {2005, Status::Individual, 850010, 229003, 7},       // 10 % = 22900, relief 10 + 229000 - 229003
    {2005, Status::Individual, 950000, 259000, 25900},   // relief 100000 + 229000 - 259000 is larger
    // 10 % above 10 lakh from 2006-07 to 2009-10.
    {2006, Status::Individual, 1000000, 250000, 0},      // 5000 + 20000 + 30 % of 750000
    {2006, Status::Individual, 1000010, 250003, 7},
    {2009, Status::Individual, 1000010, 205003, 7},      // 15000 + 40000 + 30 % of 500010
    // None from 2010-11 to 2013-14.
    {2010, Status::Individual, 1000010, 204003, 0},      // 14000 + 40000 + 30 % of 500010
    {2013, Status::Individual, 20000000, 5830000, 0},    // 30000 + 100000 + 30 % of 19000000
    {2013, Status::Huf, 20000000, 5830000, 0},
    // 10 % above one crore in 2014-15 and 2015-16, 12 % in 2016-17, 15 % in 2017-18.
    {2014, Status::Individual, 10000000, 2830000, 0},
    {2014, Status::Individual, 10000010, 2830003, 7},
    {2016, Status::Individual, 10000010, 2825003, 7},
    {2017, Status::Huf, 11000000, 3125000, 468750},      // 15 % of 3125000

    // Firms: 10 % on every income to 2007-08 (35 % rate in 2005-06), then above one crore.
    {2005, Status::Firm, 100000, 35000, 3500},
    {2007, Status::Firm, 100000, 30000, 3000},
    {2008, Status::Firm, 10000000, 3000000, 0},
    {2008, Status::Firm, 10000010, 3000003, 7},          // 10 % = 300000, relief 10 + 3000000 - 3000003
    {2010, Status::Firm, 20000000, 6000000, 0},          // none from 2010-11 to 2013-14
    {2013, Status::Firm, 20000000, 6000000, 0},
    {2014, Status::Firm, 10000010, 3000003, 7},
    {2016, Status::Firm, 20000000, 6000000, 720000},     // 12 %

    // Co-operative societies: 10 % + 20 % + 30 % scale; no surcharge 2009-10 to 2013-14.
    {2007, Status::CooperativeSociety, 100000, 27000, 2700},  // 1000 + 2000 + 30 % of 80000; read as 10 % on all
    {2009, Status::CooperativeSociety, 100000, 27000, 0},
    {2013, Status::CooperativeSociety, 20000000, 5997000, 0}, // 3000 + 30 % of 19980000
    {2014, Status::CooperativeSociety, 11000000, 3297000, 329700},
    {2016, Status::CooperativeSociety, 11000000, 3297000, 395640},

    // Domestic companies.
    {2005, Status::Company, 100000, 35000, 3500},        // 35 % and 10 % on every income
    {2006, Status::Company, 100000, 30000, 3000},
    {2008, Status::Company, 100000, 30000, 0},           // from 2008-09 only above one crore
    {2008, Status::Company, 11000000, 3300000, 330000},
    {2010, Status::Company, 11000000, 3300000, 330000},
    {2011, Status::Company, 11000000, 3300000, 247500},  // 7.5 %
    {2012, Status::Company, 10000010, 3000003, 7},       // 5 % = 150000, relief 7
    {2013, Status::Company, 110000000, 33000000, 1650000},  // 5 %: no ten-crore band yet
    {2014, Status::Company, 50000000, 15000000, 750000},    // 5 % between one and ten crore
    {2014, Status::Company, 110000000, 33000000, 3300000},  // 10 % above ten crore
};

TEST(EstimatorStatute, SurchargeOfEachStatusYearByYear) {
  for (const auto& c : kSurcharges) {
    SCOPED_TRACE(::testing::Message() << c.year << " status " << static_cast<int>(c.status) << " " << c.income);
    const EstimateResult r = run(blankCase(c.year, c.status, c.income));
    EXPECT_EQ(r.tax, c.tax);
    EXPECT_EQ(r.surcharge, c.surcharge);
  }
}

TEST(EstimatorStatute, RebatesOfTheYear2005) {
  struct Case {
    const char* name;
    Status status;
    Sex sex;
    const char* dob;
    Rupees income, tax, rebate;
    const char* sections;
    Rupees totalTax;
  } cases[] = {
      // 1000 + 20 % of 40000; s.88D takes the whole tax up to one lakh of total income.
      {"88D at one lakh", Status::Individual, Sex::Male, "", 100000, 9000, 9000, "88D", 0},
      // Above one lakh: 9002, cess 2 % = 180.04.
      {"no 88D above one lakh", Status::Individual, Sex::Male, "", 100010, 9002, 0, "", 9182},
      // A woman below 65: 88C 5000; 4002 left, cess 80.04.
      {"88C above one lakh", Status::Individual, Sex::Female, "", 100010, 9002, 5000, "88C", 4082},
      // 1000 + 20 % of 20000 = 5000, all taken by 88C before 88D is reached.
      {"88C takes all", Status::Individual, Sex::Female, "", 80000, 5000, 5000, "88C", 0},
      // A senior: 88B 15000 of 19000; 4000 left, cess 80.
      {"88B", Status::Individual, Sex::Male, "01/01/1930", 150000, 19000, 15000, "88B", 4080},
      // A senior woman takes 88B, not 88C: 1000 + 20 % of 90000 + 30 % of 50000 = 34000; cess 2 % of 19000.
      {"senior woman", Status::Individual, Sex::Female, "01/01/1930", 200000, 34000, 15000, "88B", 19380},
      // An HUF has none of them: cess 180.
      {"HUF", Status::Huf, Sex::Male, "", 100000, 9000, 0, "", 9180},
      // From 2006-07 the woman's own scale replaces the rebate: nil to 135000.
      {"2006 woman", Status::Individual, Sex::Female, "", 100010, 0, 0, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EstimateInput in = blankCase(std::string(c.name) == "2006 woman" ? 2006 : 2005, c.status, c.income);
    in.sex = c.sex;
    if (*c.dob) in.dob = parseDate(c.dob);
    const EstimateResult r = run(in);
    EXPECT_EQ(r.tax, c.tax);
    EXPECT_EQ(r.rebate, c.rebate);
    EXPECT_EQ(r.rebateSections, c.sections);
    EXPECT_EQ(r.totalTax, c.totalTax);
  }
}

TEST(EstimatorStatute, AdvanceTaxAndInterestOnlyWhereTheActAsksForIt) {
  struct Case {
    const char* name;
    int year;
    Status status;
    std::function<void(EstimateInput&)> set;
    std::array<Rupees, 4> due;  // the instalments falling due on the four dates
    Rupees interest234C;
  } cases[] = {
      // Firm 2016 on 32360: 30 % = 9708; cess 194.16 + 97.08: 9999, below s.208's 10000.
      {"below the limit", 2016, Status::Firm, [](auto& in) { in.other = 32360; }, {0, 0, 0, 0}, 0},
      // Individual 2016 on 367090: 10 % of 117090 = 11709 less 2000 rebate; cess 194.18 +
      // 97.09: 10000, which is payable. Nothing paid: 3 % of 3000 + 3 % of 6000 + 1 % of 10000.
      {"at the limit", 2016, Status::Individual, [](auto& in) { in.other = 367090; }, {0, 3000, 3000, 4000}, 370},
      // T = 309000 - 9050 = 299950. Shortfalls 89985 - 50000, 179970 - 150000 and
      // 299950 - 250000 round down to 39900, 29900 and 49900 (Rule 119A(b)):
      // 1197 + 897 + 499.
      {"shortfalls rounded down to hundreds", 2016, Status::Firm,
       [](auto& in) { in.other = 1000000; in.tds = 9050; in.advancePaid = {0, 50000, 100000, 100000, 20000}; },
       {0, 89985, 89985, 119980}, 2593},
      // A resident senior citizen without business income owes no advance tax (s.207(2)).
      {"senior without business", 2016, Status::Individual,
       [](auto& in) { in.dob = parseDate("01/04/1956"); in.other = 2000000; }, {0, 0, 0, 0}, 0},
      // Before A.Y. 2013-14 the same senior did: 2012 senior scale, 25000 + 60000 + 30 % of
      // 1200000 = 445000, cess 13350: T 458350. Shortfalls 137505, 275010, 458350 round
      // down to 137500, 275000, 458300: 4125 + 8250 + 4583.
      {"senior before s.207(2)", 2012, Status::Individual,
       [](auto& in) { in.dob = parseDate("01/01/1945"); in.other = 2000000; }, {0, 137505, 137505, 183340}, 16958},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EstimateInput in = blankCase(c.year, c.status);
    c.set(in);
    const EstimateResult r = run(in);
    ASSERT_EQ(r.instalments.size(), 5u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(r.instalments[i].due, c.due[i]) << "date " << i;
    EXPECT_EQ(r.interest234C, c.interest234C);
  }
}

}  // namespace
}  // namespace meridian::forms::estimator
