// Slab tax of individuals at and around every limit of every year of the list,
// for each class of exemption, and the age-class reference dates.
#include <gtest/gtest.h>

#include "estimator_cases.h"
#include "forms/estimator/instalments.h"

namespace meridian::forms::estimator {
namespace {

using testing::blankCase;
using testing::run;

struct SlabCase {
  int year;
  Sex sex;
  const char* dob;  // "" = none (class 0)
  Rupees income;
  Rupees tax;
};

// dob "01/01/1900" makes an 80-plus (class 2 where the year has it, else 1);
// "01/01/1930" is 75 to 81 in the years up to 2011, which have no class 2;
// "01/01/1945" is 67 to 72 in the years from 2012 (class 1).
const SlabCase kSlabs[] = {
    // 2005: nil to 50000, 10 % to 60000, 20 % to 150000, 30 % above, for every
    // class (women and seniors had rebates that year, not scales of their own).
    {2005, Sex::Male, "", 50000, 0},
    {2005, Sex::Male, "", 60000, 1000},      // 10 % of 10000
    {2005, Sex::Male, "", 100010, 9002},     // 1000 + 20 % of 40010
    {2005, Sex::Male, "", 150000, 19000},    // 1000 + 20 % of 90000
    {2005, Sex::Male, "", 150010, 19003},    // + 30 % of 10
    {2005, Sex::Female, "", 100000, 9000},   // the woman's relief is the rebate u/s 88C
    {2005, Sex::Male, "01/01/1900", 185000, 29500},  // 19000 + 30 % of 35000: no senior scale yet
    // 2006-07: E 100000, S2 150000, S3 250000
    {2006, Sex::Male, "", 100000, 0},
    {2006, Sex::Male, "", 100010, 1},       // 10 % of 10
    {2006, Sex::Male, "", 150000, 5000},    // 10 % of 50000
    {2006, Sex::Male, "", 150010, 5002},    // 5000 + 20 % of 10
    {2007, Sex::Male, "", 250000, 25000},   // 5000 + 20 % of 100000
    {2007, Sex::Male, "", 250010, 25003},   // + 30 % of 10
    {2007, Sex::Female, "", 135000, 0},     // women's E 135000
    {2007, Sex::Female, "", 150000, 1500},  // 10 % of 15000
    {2007, Sex::Male, "01/01/1930", 185000, 0},     // senior: E = S2 = 185000
    {2007, Sex::Male, "01/01/1930", 185010, 2},     // 20 % of 10: no 10 % slab left
    {2007, Sex::Male, "01/01/1930", 250000, 13000}, // 20 % of 65000
    {2006, Sex::Male, "01/01/1900", 185000, 0},     // no class 2 before 2012: still 185000
    // 2008: E 110000, women 145000, senior 195000 (= its S2), S2 150000, S3 250000
    {2008, Sex::Male, "", 110000, 0},
    {2008, Sex::Male, "", 150000, 4000},    // 10 % of 40000
    {2008, Sex::Male, "", 250010, 24003},   // 4000 + 20000 + 3
    {2008, Sex::Female, "", 150000, 500},   // 10 % of 5000
    {2008, Sex::Male, "01/01/1930", 250000, 11000},  // 20 % of 55000
    // 2009: E 150000, women 180000, senior 225000, S2 300000, S3 500000
    {2009, Sex::Male, "", 150010, 1},
    {2009, Sex::Male, "", 300000, 15000},   // 10 % of 150000
    {2009, Sex::Male, "", 500010, 55003},   // 15000 + 40000 + 3
    {2009, Sex::Female, "", 300000, 12000}, // 10 % of 120000
    {2009, Sex::Male, "01/01/1930", 300000, 7500},  // 10 % of 75000
    // 2010: E 160000, women 190000, senior 240000, S2 300000, S3 500000
    {2010, Sex::Male, "", 300000, 14000},
    {2010, Sex::Male, "", 500000, 54000},   // 14000 + 40000
    {2010, Sex::Female, "", 300000, 11000},
    {2010, Sex::Male, "01/01/1930", 300000, 6000},
    // 2011: E 160000, women 190000, senior 240000, S2 500000, S3 800000
    {2011, Sex::Male, "", 500000, 34000},
    {2011, Sex::Male, "", 800010, 94003},   // 34000 + 60000 + 3
    {2011, Sex::Female, "", 500000, 31000},
    {2011, Sex::Male, "01/01/1930", 500000, 26000},
    // 2012: E 180000, women 190000, class 1 250000, class 2 500000, S2 500000, S3 800000
    {2012, Sex::Male, "", 180000, 0},
    {2012, Sex::Male, "", 500000, 32000},
    {2012, Sex::Male, "", 800000, 92000},
    {2012, Sex::Female, "", 500000, 31000},
    {2012, Sex::Male, "01/01/1945", 500000, 25000},
    {2012, Sex::Male, "01/01/1900", 500000, 0},
    {2012, Sex::Male, "01/01/1900", 800010, 60003},  // 20 % of 300000 + 3
    // 2013, 2014: E 200000 (women too), class 1 250000, class 2 500000, S3 1000000
    {2013, Sex::Male, "", 500000, 30000},
    {2013, Sex::Female, "", 200010, 1},     // women's own limit is gone
    {2014, Sex::Male, "", 1000000, 130000}, // 30000 + 100000
    {2014, Sex::Male, "", 1000010, 130003},
    {2014, Sex::Male, "01/01/1945", 500000, 25000},
    {2014, Sex::Male, "01/01/1900", 500010, 2},
    // 2015 to 2017: E 250000, class 1 300000, class 2 500000, S2 500000, S3 1000000
    {2015, Sex::Male, "", 250000, 0},
    {2015, Sex::Male, "", 250010, 1},
    {2016, Sex::Male, "", 500000, 25000},
    {2016, Sex::Male, "", 500010, 25002},
    {2017, Sex::Male, "", 1000000, 125000},
    {2017, Sex::Male, "", 1000010, 125003},
    {2017, Sex::Female, "", 300000, 5000},
    {2017, Sex::Male, "01/01/1945", 300000, 0},
    {2017, Sex::Male, "01/01/1945", 500000, 20000},
    {2017, Sex::Male, "01/01/1900", 1000000, 100000},
};

TEST(EstimatorSlabs, TaxAtAndAroundEveryLimit) {
  for (const auto& c : kSlabs) {
    SCOPED_TRACE(::testing::Message() << c.year << " " << c.dob << " " << c.income);
    EstimateInput in = blankCase(c.year, Status::Individual, c.income);
    in.sex = c.sex;
    if (*c.dob) in.dob = parseDate(c.dob);
    EXPECT_EQ(run(in).tax, c.tax);
  }
}

TEST(EstimatorSlabs, AgeIsJudgedOnTheYearsReferenceDate) {
  struct Case {
    int year;
    const char* dob;
    Rupees tax;  // on an income of 300000
  } cases[] = {
      {2016, "01/04/1956", 0},     // 60 on 1 April 2016, the reference date: E 300000
      {2016, "02/04/1956", 5000},  // 60 a day later: E 250000, 10 % of 50000
      // A person attains an age on the day before the birthday, so a 60th
      // birthday on 1 April 2015 makes a senior citizen of A.Y. 2015-16.
      {2015, "01/04/1955", 0},
      {2015, "02/04/1955", 5000},  // 60 on 1 April 2015: E 250000, 10 % of 50000
      {2015, "31/03/1955", 0},
      {2011, "31/03/1946", 6000},  // 65 on 30 March 2011: E 240000, 10 % of 60000
      {2011, "01/04/1946", 6000},  // 65 on 31 March 2011: still senior
      {2011, "02/04/1946", 14000}, // 65 only in April: E 160000, 10 % of 140000
      {2011, "01/01/1950", 14000}, // 61: sixty was not yet the senior age
      {2016, "01/04/1936", 0},     // 80 on 1 April 2016: E 500000
      {2016, "", 5000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << " " << c.dob);
    EstimateInput in = blankCase(c.year, Status::Individual, 300000);
    if (*c.dob) in.dob = parseDate(c.dob);
    EXPECT_EQ(run(in).tax, c.tax);
  }
}

TEST(EstimatorSlabs, HufTakesTheGeneralLimitWhateverTheDateOrSex) {
  EstimateInput in = blankCase(2016, Status::Huf, 300000);
  in.dob = parseDate("01/01/1930");
  in.sex = Sex::Female;
  EXPECT_EQ(run(in).tax, 5000);  // 10 % of (300000 - 250000)
  EXPECT_EQ(run(in).rebate, 0);
}

}  // namespace
}  // namespace meridian::forms::estimator
