// Working back from a desired total tax to the income at normal rates.
#include <gtest/gtest.h>

#include <functional>

#include "estimator_cases.h"
#include "forms/estimator/required_income.h"

namespace meridian::forms::estimator {
namespace {

using testing::blankCase;
using testing::run;

struct Case {
  const char* name;
  int year;
  Status status;
  std::function<void(EstimateInput&)> set;
  Rupees desired;
  std::optional<Rupees> income;
  const char* message;
};

const char* const kHigher = "Required Income can not be calculated as other incomes already higher side !";
const char* const kLower = "Required Income can not be calculated as other incomes already lower side !";

const Case kCases[] = {
    // 2016: 10 % of 20000 = 2000 is wholly rebated, so 270000 is nil; 270004 rounds to
    // 270000; 270005 rounds to 270010: 2001 - 2000 = 1 rupee of tax.
    {"nil tax with rebate 2000", 2016, Status::Individual, [](auto&) {}, 0, 270004, ""},
    // 2017: rebate 5000 covers 10 % of 50000; 300010 leaves 1 rupee.
    {"nil tax with rebate 5000", 2017, Status::Individual, [](auto&) {}, 0, 300004, ""},
    // A 61-year-old woman in 2016: E 300000, nil up to 320000.
    {"senior's limit", 2016, Status::Individual, [](auto& in) { in.dob = parseDate("01/04/1955"); in.sex = Sex::Female; }, 0, 320004, ""},
    // 103000 = 100000 + 3 % cess; 25000 + 20 % of (I - 500000) = 100000 gives I = 875000;
    // 875005 rounds to 875010: 100002 + 2000 + 1000 = 103002.
    {"income in the 20 % slab", 2016, Status::Individual, [](auto&) {}, 103000, 875004, ""},
    // LTCG 100000 stays: 20000 of tax. Slab tax 30000 needed: 25000 + 20 % of 25000, so
    // I = 525000 (total 625000, no rebate); cess 1500 on 50000. The salary entered is
    // what is being solved for, so it does not count.
    {"other incomes kept", 2016, Status::Individual, [](auto& in) { in.ltcg20 = 100000; in.salary = 900000; }, 51500, 525004, ""},
    // Marginal relief band of 2017: at 10000010 the total tax is 2909760 (tax 2825003,
    // surcharge 7, cess 56500 + 28250); 10000015 rounds to 10000020: 2825006 + 14, cess
    // 56500 + 28250 = 2909770.
    {"within marginal relief", 2017, Status::Individual, [](auto&) {}, 2909760, 10000014, ""},
    {"settles within a step", 2017, Status::Individual, [](auto&) {}, 2909765, 10000014, ""},
    // Company 2016 with MAT 190550 on book profit 1000000: the normal tax wins from
    // 1000000 (300000 + 9000); 1000010 gives 300003 + 6000 + 3000.
    {"MAT floor, normal tax above it", 2016, Status::Company, [](auto& in) { in.bookProfit = 1000000; }, 309000, 1000004, ""},
    {"MAT floor above the desired tax", 2016, Status::Company, [](auto& in) { in.bookProfit = 1000000; }, 100000, std::nullopt,
     kHigher},
    // LTCG 1000000 alone: (1000000 - 250000) at 20 % = 150000.
    {"other incomes already higher", 2016, Status::Individual, [](auto& in) { in.ltcg20 = 1000000; }, 1000, std::nullopt,
     kHigher},
    {"no income reaches it", 2016, Status::Individual, [](auto&) {}, 999'999'999'999, std::nullopt, kLower},
    // 2017: at 500000 the total tax is 20600 after rebate, at 500010 it is 25752;
    // no income gives 22000.
    {"desired tax inside the rebate jump", 2017, Status::Individual, [](auto&) {}, 22000, std::nullopt, "Failed!!!"},
};

TEST(EstimatorRequiredIncome, FoundToTheRupeeOrRefused) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EstimateInput in = blankCase(c.year, c.status);
    c.set(in);
    in.desiredTax = c.desired;
    const EstimateResult r = run(in);
    ASSERT_TRUE(r.requiredIncome);
    EXPECT_EQ(r.requiredIncome->income, c.income);
    EXPECT_EQ(r.requiredIncome->message, c.message);
  }
}

TEST(EstimatorRequiredIncome, OnlyWhenADesiredTaxIsGiven) {
  EXPECT_FALSE(run(blankCase(2016, Status::Individual, 500000)).requiredIncome);
}

}  // namespace
}  // namespace meridian::forms::estimator
