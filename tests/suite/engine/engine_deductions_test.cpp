// Chapter VI-A: each section's limit by year, who may claim it, and the cap at
// gross total income less income at special rates.
#include <gtest/gtest.h>

#include "engine_cases.h"

namespace meridian::engine {
namespace {

using testing::blankYear;
using testing::rs;

Money allowedOf(const YearResult& r, const std::string& section) {
  for (const auto& d : r.deductions)
    if (d.section == section) return d.allowed;
  return Money();
}

struct Claim {
  const char* section;
  std::int64_t amount;
};

TEST(EngineDeductions, SectionLimitsByYear) {
  struct Case {
    int year;
    std::vector<Claim> claims;
    const char* section;
    std::int64_t allowed;
    bool selfSenior = false;
  } cases[] = {
      // s.80CCE: 80C, 80CCC and 80CCD(1) together 1 lakh to 2014-15, 1.5 lakh after.
      {2014, {{"80C", 120000}}, "80C", 100000},
      {2015, {{"80C", 120000}}, "80C", 120000},
      {2015, {{"80C", 140000}, {"80CCC", 20000}}, "80CCC", 10000},
      // 80CCD(1): a tenth of salary 600000.
      {2016, {{"80CCD(1)", 70000}}, "80CCD(1)", 60000},
      // 80CCD(1B) from 2016-17 only, 50000.
      {2015, {{"80CCD(1B)", 50000}}, "80CCD(1B)", 0},
      {2016, {{"80CCD(1B)", 60000}}, "80CCD(1B)", 50000},
      // 80D: 15000 (senior 20000) to 2015-16, 25000 (senior 30000) from 2016-17.
      {2015, {{"80D", 25000}}, "80D", 15000},
      {2015, {{"80D", 25000}}, "80D", 20000, true},
      {2016, {{"80D", 30000}}, "80D", 25000},
      {2017, {{"80D", 30000}, {"80D_parents", 40000}}, "80D", 50000},
      // 80TTA: 10000, and no more than the savings interest of 8000.
      {2013, {{"80TTA", 12000}}, "80TTA", 8000},
      // 80EE: 1 lakh in 2014-15 and 2015-16, none in 2016-17, 50000 in 2017-18.
      {2014, {{"80EE", 120000}}, "80EE", 100000},
      {2016, {{"80EE", 40000}}, "80EE", 0},
      {2017, {{"80EE", 60000}}, "80EE", 50000},
      // 80U: 50000 to 2015-16, 75000 from 2016-17.
      {2015, {{"80U", 75000}}, "80U", 50000},
      {2016, {{"80U", 75000}}, "80U", 75000},
      // 80DDB: 40000, senior 60000.
      {2013, {{"80DDB", 70000}}, "80DDB", 40000},
      // 80CCG: half the 60000 invested, at most 25000.
      {2014, {{"80CCG", 60000}}, "80CCG", 25000},
      // 80GG: least of 24000 (2000 a month), a quarter of 608000 = 152000, and
      // rent 100000 less a tenth of 608000 = 39200.
      {2016, {{"80GG", 100000}}, "80GG", 24000},
      // 2017-18: 60000 a month-sum (5000 x 12) against 39200: 39200.
      {2017, {{"80GG", 100000}}, "80GG", 39200},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    in.salaries = {{rs(600000)}};
    in.otherSources.savingsInterest = rs(8000);
    for (const auto& cl : c.claims) in.deductions.claimed[cl.section] = rs(cl.amount);
    in.deductions.selfSenior = c.selfSenior;
    EXPECT_EQ(allowedOf(computeYear(in), c.section), rs(c.allowed)) << c.year << " " << c.section;
  }
}

TEST(EngineDeductions, PensionSchemeContributions) {
  struct Case {
    const char* name;
    int year;
    std::int64_t salary, business;
    std::vector<Claim> claims;
    const char* section;
    std::int64_t allowed;
  } cases[] = {
      // Salary 15,00,000: a tenth is 1,50,000. s.80CCD(1A), A.Y. 2015-16 only:
      // 80CCD(1) no more than 1,00,000 of its own.
      {"1A caps 2015-16", 2015, 1500000, 0, {{"80CCD(1)", 140000}}, "80CCD(1)", 100000},
      {"no 1A in 2016-17", 2016, 1500000, 0, {{"80CCD(1)", 140000}}, "80CCD(1)", 140000},
      // 2014-15: the tenth is 1,50,000 but s.80CCE stops all three at 1,00,000.
      {"80CCE of 2014-15", 2014, 1500000, 0, {{"80CCD(1)", 140000}}, "80CCD(1)", 100000},
      // 2015-16: 80C 80,000 takes that much of 1,50,000; 80CCD(1) 1,00,000 of
      // its own meets the 70,000 left.
      {"1A within 80CCE", 2015, 1500000, 0, {{"80C", 80000}, {"80CCD(1)", 140000}}, "80CCD(1)", 70000},
      // Salary 6,00,000: a tenth is 60,000 even where 10 % of gross total
      // income 9,00,000 would be more.
      {"employee's tenth of salary", 2016, 600000, 300000, {{"80CCD(1)", 80000}}, "80CCD(1)", 60000},
      // No salary: a tenth of gross total income 8,00,000 = 80,000 (twenty per
      // cent comes only from A.Y. 2018-19).
      {"self-employed, 2017-18", 2017, 0, 800000, {{"80CCD(1)", 100000}}, "80CCD(1)", 80000},
      // s.80CCD(2): the employer's contribution up to a tenth of salary
      // 15,00,000 = 1,50,000, outside s.80CCE: 80C 1,50,000 stays whole.
      {"employer's share capped", 2016, 1500000, 0, {{"80C", 150000}, {"80CCD(2)", 160000}}, "80CCD(2)", 150000},
      {"80C beside the employer's share", 2016, 1500000, 0, {{"80C", 150000}, {"80CCD(2)", 160000}}, "80C", 150000},
      // No salary, no employer: nothing u/s 80CCD(2).
      {"employer's share without salary", 2016, 0, 800000, {{"80CCD(2)", 50000}}, "80CCD(2)", 0},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(c.year);
    if (c.salary > 0) in.salaries = {{rs(c.salary)}};
    in.business.netProfit = rs(c.business);
    for (const auto& cl : c.claims) in.deductions.claimed[cl.section] = rs(cl.amount);
    EXPECT_EQ(allowedOf(computeYear(in), c.section), rs(c.allowed)) << c.name;
  }
}

TEST(EngineDeductions, DonationsWithinTheQualifyingLimit) {
  // Gross total income 500000 less 80C 100000: adjusted 400000, limit 40000.
  // Full 10000 unlimited + half of 20000 + limited in full 30000 + half of
  // what is left of the limit (10000 of 50000): 10000 + 10000 + 30000 + 5000.
  YearInput in = blankYear(2016);
  in.otherSources.otherInterest = rs(500000);
  in.deductions.claimed["80C"] = rs(100000);
  in.deductions.donations = {rs(10000), rs(20000), rs(30000), rs(50000)};
  EXPECT_EQ(allowedOf(computeYear(in), "80G"), rs(55000));
}

TEST(EngineDeductions, NeverAboveIncomeAtNormalRatesNorForTheWrongPerson) {
  struct Case {
    const char* name;
    Status status;
    Residence residence;
    std::int64_t total;
  } cases[] = {
      // Income 50000 at normal rates and 300000 long-term gain: 80C stops at 50000.
      {"capped at normal income", Status::individual, Residence::resident, 50000},
      // A firm has no s.80C.
      {"firm cannot claim 80C", Status::firm, Residence::resident, 0},
      // s.80U is for residents; s.80C is not: 50000 only.
      {"non-resident without 80U", Status::individual, Residence::nonResident, 50000},
  };
  for (const auto& c : cases) {
    YearInput in = blankYear(2016, c.status);
    in.residence = c.residence;
    in.otherSources.otherInterest = rs(50000);
    in.capitalGains.ltcgIndexed = rs(300000);
    in.deductions.claimed["80C"] = rs(150000);
    if (c.residence == Residence::nonResident) in.deductions.claimed["80U"] = rs(75000);
    EXPECT_EQ(computeYear(in).deductionsTotal, rs(c.total)) << c.name;
  }
}

}  // namespace
}  // namespace meridian::engine
