// Presumptive income as the business screens check it and the loader adds it
// up: who may use ss.44AD and 44ADA and in which years, the turnover limits,
// the rates (the lower one on turnover through banks from A.Y. 2017-18), an
// income declared below the presumptive one, goods carriages by the vehicle
// and, from A.Y. 2017-18, by the ton.
#include "suite/heads/business_rules.h"

#include <gtest/gtest.h>

#include "suite/engine/heads.h"
#include "suite/heads/business_year_input.h"

namespace meridian::suite::heads {
namespace {

using engine::Residence;
using engine::Status;
Money rs(long long r) { return Money::rupees(r); }
const engine::YearLaw& law(int year) { return *engine::lawOf(year); }

const ClientPerson kIndividual{Status::individual, Residence::resident};

TEST(PresumptiveRules, WhoMayUseTheSectionsInWhichYearsAndUpToWhatTurnover) {
  const struct {
    const char* name;
    PresumptiveEntry entry;
    bool profession;
    ClientPerson who;
    int year;
    const char* column;  // "" when the entry stands
    std::string message;
  } cases[] = {
      {"trader", {false, rs(5000000)}, false, kIndividual, 2016, "", ""},
      {"s.44ADA before it was enacted", {true, rs(3000000)}, true, kIndividual, 2016, "part_num",
       "Section 44ADA is not in force for A.Y. 2016-17."},
      {"professional", {true, rs(3000000)}, true, kIndividual, 2017, "", ""},
      {"HUF under s.44ADA", {true, rs(3000000)}, true, {Status::huf}, 2017, "part_num",
       "Presumptive income u/s 44ADA is for a resident individual or partnership firm (not a limited liability "
       "partnership)."},
      {"HUF under s.44AD", {false, rs(3000000)}, false, {Status::huf}, 2016, "", ""},
      {"LLP", {false, rs(3000000)}, false, {Status::llp}, 2016, "part_num",
       "Presumptive income u/s 44AD is for a resident individual, HUF or partnership firm (not a limited liability "
       "partnership)."},
      {"company", {false, rs(3000000)}, false, {Status::company}, 2016, "part_num",
       "Presumptive income u/s 44AD is for a resident individual, HUF or partnership firm (not a limited liability "
       "partnership)."},
      {"non-resident", {false, rs(3000000)}, false, {Status::individual, Residence::nonResident}, 2016, "part_num",
       "Presumptive income u/s 44AD is for a resident individual, HUF or partnership firm (not a limited liability "
       "partnership)."},
      {"profession under s.44AD", {false, rs(3000000)}, true, kIndividual, 2016, "part_num",
       "Section 44AD is for a business, not a profession."},
      {"business under s.44ADA", {true, rs(3000000)}, false, kIndividual, 2017, "part_num",
       "Section 44ADA is for a profession, not a business."},
      {"1.5 crore in A.Y. 2016-17", {false, rs(15000000)}, false, kIndividual, 2016, "turnover",
       "Turnover of Rs. 1,50,00,000 exceeds the limit of Rs. 1,00,00,000 of s.44AD."},
      {"1.5 crore in A.Y. 2017-18", {false, rs(15000000)}, false, kIndividual, 2017, "", ""},
      {"receipts above 50 lakh", {true, rs(5000001)}, true, kIndividual, 2017, "turnover",
       "Gross receipts of Rs. 50,00,001 exceed the limit of Rs. 50,00,000 of s.44ADA."},
      {"more by banks than in all", {false, rs(100000), rs(100001)}, false, kIndividual, 2017, "turnover_dig",
       "The part received by banking channels can not exceed the turnover."},
      {"declared below 8 %", {false, rs(1000000), Money(), rs(79999)}, false, kIndividual, 2016, "tic",
       "The income declared can not be less than the presumptive income of Rs. 80,000 u/s 44AD; a lower profit is "
       "shown from the books as the business's net profit."},
      {"declared at 8 %", {false, rs(1000000), Money(), rs(80000)}, false, kIndividual, 2016, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto fault = presumptiveFault(c.entry, c.profession, c.who, law(c.year));
    if (std::string(c.column).empty()) {
      EXPECT_FALSE(fault) << fault->message;
      continue;
    }
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->column, c.column);
    EXPECT_EQ(fault->message, c.message);
  }
}

TEST(PresumptiveRules, IncomePresumedAndTaken) {
  const struct {
    const char* name;
    PresumptiveEntry entry;
    int year;
    Money presumed, taken;
  } cases[] = {
      {"8 % of 50 lakh", {false, rs(5000000), rs(3000000)}, 2016, rs(400000), rs(400000)},
      // 8 % of the 20 lakh received otherwise, 6 % of the 30 lakh through banks.
      {"6 % through banks from A.Y. 2017-18", {false, rs(5000000), rs(3000000)}, 2017, rs(340000), rs(340000)},
      {"half the receipts of a profession", {true, rs(3000000)}, 2017, rs(1500000), rs(1500000)},
      {"more declared", {false, rs(5000000), Money(), rs(450000)}, 2016, rs(400000), rs(450000)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(presumedIncome(c.entry, kIndividual, law(c.year)), c.presumed);
    EXPECT_EQ(presumptiveIncomeTaken(c.entry, kIndividual, law(c.year)), c.taken);
  }
}

TEST(PresumptiveRules, EachBusinessKeepsItsOwnHigherIncome) {
  // One business declares more than 8 %, the other takes 8 %: the one's
  // surplus must not hide the other's presumed income.
  const std::vector<BusinessEntry> businesses = {
      {Money(), Money(), Money(), PresumptiveEntry{false, rs(2000000), Money(), rs(300000)}},
      {Money(), Money(), Money(), PresumptiveEntry{false, rs(3000000)}},
      {rs(100000), rs(-20000), rs(15000), std::nullopt},
  };
  engine::YearInput in;
  in.year = 2016;
  addBusinesses(businesses, kIndividual, law(2016), in.business);
  const auto f = engine::businessOf(in, law(2016));
  EXPECT_EQ(f.presumptive44ad, rs(300000 + 240000));
  EXPECT_EQ(f.ordinary, rs(540000 + 115000)) << "the books' business adds its disallowances";
  EXPECT_EQ(f.speculation, rs(-20000));
}

TEST(PresumptiveRules, GoodsCarriages) {
  const struct {
    const char* name;
    Vehicle v;
    int year;
    Money taken;
    const char* column;
  } cases[] = {
      // 7,500 a vehicle a month from A.Y. 2015-16; 5,000 a heavy one before.
      {"heavy, A.Y. 2016-17", {true, 0, 12}, 2016, rs(90000), ""},
      {"other, 7 months, A.Y. 2016-17", {false, 0, 7}, 2016, rs(52500), ""},
      {"heavy, A.Y. 2014-15", {true, 0, 12}, 2014, rs(60000), ""},
      // The weight counts only from A.Y. 2019-20: 7,500 x 12 either way.
      {"16 tons, A.Y. 2017-18", {true, 16, 12}, 2017, rs(90000), ""},
      {"heavy without its weight, A.Y. 2017-18", {true, 0, 12}, 2017, rs(90000), ""},
      {"more declared", {false, 0, 10, rs(9000)}, 2016, rs(90000), ""},
      {"less declared", {false, 0, 10, rs(6000)}, 2016, Money(), "profit"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto fault = vehicleFault(c.v, law(c.year));
    if (std::string(c.column).empty()) {
      EXPECT_FALSE(fault) << fault->message;
      EXPECT_EQ(vehicleIncomeTaken(c.v, law(c.year)), c.taken);
    } else {
      ASSERT_TRUE(fault);
      EXPECT_EQ(fault->column, c.column);
    }
  }
  EXPECT_FALSE(vehicleCountRefusal(10, law(2016)));
  EXPECT_EQ(vehicleCountRefusal(11, law(2016)), "Section 44AE applies only to an owner of not more than 10 goods carriages.");
}

TEST(PresumptiveRules, SpecifiedBusinessesGoInApartFromTheOthers) {
  engine::BusinessInput loss;
  // 5,00,000 - 8,00,000 of capital expenditure + 1,00,000 = -2,00,000, kept
  // apart for s.73A.
  addSpecifiedBusinesses({{rs(500000), rs(800000)}, {rs(100000), Money()}}, loss);
  EXPECT_EQ(loss.specifiedBusiness, rs(-200000));
  EXPECT_EQ(loss.netProfit, Money()) << "a net loss of s.73A is carried, not set off";
  engine::BusinessInput profit;
  addSpecifiedBusinesses({{rs(500000), rs(200000)}, {rs(-100000), Money()}}, profit);
  EXPECT_EQ(profit.specifiedBusiness, rs(200000));
}

}  // namespace
}  // namespace meridian::suite::heads
