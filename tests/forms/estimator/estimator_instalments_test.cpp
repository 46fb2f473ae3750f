// Advance-tax instalments with interest u/s 234C under both schedules, the state
// relaxations of a due date, and the no-liability messages.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "estimator_cases.h"
#include "forms/estimator/instalments.h"

namespace meridian::forms::estimator {
namespace {

using testing::blankCase;
using testing::run;

struct Row {
  const char* period;
  const char* dueDate;
  Rupees due, paid, interest;
};

struct GridCase {
  const char* name;
  int year;
  Status status;
  Rupees income, tds;
  std::array<Rupees, 5> paid;
  bool resAssInState;
  std::array<Row, 5> rows;
  Rupees interest234C, payable;
};

// A firm or company with income 1000000 owes 300000 + cess 9000 = 309000; an
// individual with 1000000 owes 125000 + 3750 = 128750. TDS brings the tax on
// which instalments run (T) to 300000 or 100000.
const GridCase kGrids[] = {
    // Three instalments (non-company, 2016), T 300000:
    // 15/09: 30 % = 90000 due, 50000 paid: 3 % of 40000 = 1200.
    // 15/12: 60 % = 180000, 150000 paid: 3 % of 30000 = 900.
    // 15/03: 300000, 250000 paid: 1 % of 50000 = 500. Payable 309000 + 2600 - 9000 - 270000.
    {"firm 2016, three instalments", 2016, Status::Firm, 1000000, 9000, {0, 50000, 100000, 100000, 20000}, false,
     {{{"Upto 15/06", "15/06/2015", 0, 0, 0},
       {"16/06 to 15/09", "15/09/2015", 90000, 50000, 1200},
       {"16/09 to 15/12", "15/12/2015", 90000, 100000, 900},
       {"16/12 to 15/03", "15/03/2016", 120000, 100000, 500},
       {"16/03 to 31/03", "31/03/2016", 0, 20000, 0}}},
     2600, 32600},
    // Four instalments (company), T 300000:
    // 15/06: 15 % = 45000; 40000 paid is not below 12 % (36000): no interest.
    // 15/09: 45 % = 135000; 100000 paid is below 36 % (108000): 3 % of 35000 = 1050.
    // 15/12: 75 % = 225000; 200000 paid: 3 % of 25000 = 750. 15/03: 1 % of 50000 = 500.
    // Payable 309000 + 2300 - 9000 - 250000.
    {"company 2016, four instalments", 2016, Status::Company, 1000000, 9000, {40000, 60000, 100000, 50000, 0}, false,
     {{{"Upto 15/06", "15/06/2015", 45000, 40000, 0},
       {"16/06 to 15/09", "15/09/2015", 90000, 60000, 1050},
       {"16/09 to 15/12", "15/12/2015", 90000, 100000, 750},
       {"16/12 to 15/03", "15/03/2016", 75000, 50000, 500},
       {"16/03 to 31/03", "31/03/2016", 0, 0, 0}}},
     2300, 52300},
    // Payments exactly at 12 % and 36 % of T bear no interest although short of 15 % and 45 %.
    // Payable 309000 - 9000 - 300000.
    {"company, paid at the margins", 2016, Status::Company, 1000000, 9000, {36000, 72000, 117000, 75000, 0}, false,
     {{{"Upto 15/06", "15/06/2015", 45000, 36000, 0},
       {"16/06 to 15/09", "15/09/2015", 90000, 72000, 0},
       {"16/09 to 15/12", "15/12/2015", 90000, 117000, 0},
       {"16/12 to 15/03", "15/03/2016", 75000, 75000, 0},
       {"16/03 to 31/03", "31/03/2016", 0, 0, 0}}},
     0, 0},
    // Individual 2017 pays four instalments, T 100000, nothing paid:
    // 3 % of 15000 = 450, 3 % of 45000 = 1350, 3 % of 75000 = 2250, 1 % of 100000 = 1000.
    {"individual 2017, four instalments", 2017, Status::Individual, 1000000, 28750, {0, 0, 0, 0, 0}, false,
     {{{"Upto 15/06", "15/06/2016", 15000, 0, 450},
       {"16/06 to 15/09", "15/09/2016", 30000, 0, 1350},
       {"16/09 to 15/12", "15/12/2016", 30000, 0, 2250},
       {"16/12 to 15/03", "15/03/2017", 25000, 0, 1000},
       {"16/03 to 31/03", "31/03/2017", 0, 0, 0}}},
     5050, 105050},
    // Tamil Nadu 2016: the December date becomes 31/12/2015 and the periods follow it.
    {"Tamil Nadu 2016", 2016, Status::Firm, 1000000, 9000, {0, 50000, 100000, 100000, 20000}, true,
     {{{"Upto 15/06", "15/06/2015", 0, 0, 0},
       {"16/06 to 15/09", "15/09/2015", 90000, 50000, 1200},
       {"16/09 to 31/12", "31/12/2015", 90000, 100000, 900},
       {"01/01 to 15/03", "15/03/2016", 120000, 100000, 500},
       {"16/03 to 31/03", "31/03/2016", 0, 20000, 0}}},
     2600, 32600},
    // Jammu and Kashmir 2015: the September instalment is judged on 15/12/2014, by
    // which 150000 was paid against 90000 due: no interest. The rest as usual: 900 + 500.
    {"Jammu and Kashmir 2015", 2015, Status::Firm, 1000000, 9000, {0, 50000, 100000, 100000, 0}, true,
     {{{"Upto 15/06", "15/06/2014", 0, 0, 0},
       {"16/06 to 15/09", "15/12/2014", 90000, 50000, 0},
       {"16/09 to 15/12", "15/12/2014", 90000, 100000, 900},
       {"16/12 to 15/03", "15/03/2015", 120000, 100000, 500},
       {"16/03 to 31/03", "31/03/2015", 0, 0, 0}}},
     1400, 51400},
    // The box means nothing in 2017: dates stay.
    {"no relaxation in 2017", 2017, Status::Company, 1000000, 9000, {0, 0, 0, 0, 0}, true,
     {{{"Upto 15/06", "15/06/2016", 45000, 0, 1350},
       {"16/06 to 15/09", "15/09/2016", 90000, 0, 4050},
       {"16/09 to 15/12", "15/12/2016", 90000, 0, 6750},
       {"16/12 to 15/03", "15/03/2017", 75000, 0, 3000},
       {"16/03 to 31/03", "31/03/2017", 0, 0, 0}}},
     15150, 315150},
    // TDS above the tax: nothing falls due and no interest; payable is a refund 309000 - 400000.
    {"TDS above tax", 2016, Status::Firm, 1000000, 400000, {0, 0, 0, 0, 0}, false,
     {{{"Upto 15/06", "15/06/2015", 0, 0, 0},
       {"16/06 to 15/09", "15/09/2015", 0, 0, 0},
       {"16/09 to 15/12", "15/12/2015", 0, 0, 0},
       {"16/12 to 15/03", "15/03/2016", 0, 0, 0},
       {"16/03 to 31/03", "31/03/2016", 0, 0, 0}}},
     0, -91000},
};

TEST(EstimatorInstalments, GridAndInterest) {
  for (const auto& c : kGrids) {
    SCOPED_TRACE(c.name);
    EstimateInput in = blankCase(c.year, c.status, c.income);
    in.tds = c.tds;
    in.advancePaid = c.paid;
    in.resAssInState = c.resAssInState;
    const EstimateResult r = run(in);
    ASSERT_EQ(r.instalments.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(r.instalments[i].period, c.rows[i].period);
      EXPECT_EQ(formatDate(r.instalments[i].dueDate), c.rows[i].dueDate);
      EXPECT_EQ(r.instalments[i].due, c.rows[i].due);
      EXPECT_EQ(r.instalments[i].paid, c.rows[i].paid);
      EXPECT_EQ(r.instalments[i].interest, c.rows[i].interest);
    }
    EXPECT_EQ(r.interest234C, c.interest234C);
    EXPECT_EQ(r.payable, c.payable);
  }
}

TEST(EstimatorInstalments, StoredDatesAndTheTamilNaduRule) {
  EstimateInput in = blankCase(2016, Status::Firm, 1000000);
  in.resAssInState = true;
  // A stored December date already after 31/12/2015 is kept.
  auto stored = instalmentDatesFromTexts({"15/06/2015", "15/09/2015", "05/01/2016", "15/03/2016"});
  ASSERT_TRUE(stored);
  EXPECT_EQ(formatDate(estimate(in, *stored).instalments[2].dueDate), "05/01/2016");
  // An earlier one is moved.
  stored = instalmentDatesFromTexts({"15/06/2015", "15/09/2015", "14/12/2015", "15/03/2016"});
  EXPECT_EQ(formatDate(estimate(in, *stored).instalments[2].dueDate), "31/12/2015");
  EXPECT_FALSE(instalmentDatesFromTexts({"15/06/2015", "31/09/2015", "15/12/2015", "15/03/2016"}));
}

TEST(EstimatorInstalments, NoLiabilityMessages) {
  const std::string senior =
      "No Liability for Payment of Advance Tax to an Individual Resident in India, who -\n"
      "    (a) does not have any income chargeable under the head \"Profits & gains of business or profession\"; and\n"
      "    (b) is of the age of sixty years or more at any time during the previous year.";
  const std::string below10000 = "There is no Advance Tax Liability. Tax amount is below Rs. 10000.";
  struct Case {
    const char* name;
    int year;
    Status status;
    std::function<void(EstimateInput&)> set;
    std::optional<std::string> message;
  } cases[] = {
      {"senior without business", 2016, Status::Individual,
       [](auto& in) { in.dob = parseDate("01/04/1956"); in.other = 2000000; }, senior},
      {"senior with business", 2016, Status::Individual,
       [](auto& in) { in.dob = parseDate("01/04/1956"); in.businessOrdinary = 2000000; }, std::nullopt},
      {"senior before 2013", 2012, Status::Individual,
       [](auto& in) { in.dob = parseDate("01/01/1945"); in.other = 2000000; }, std::nullopt},
      {"senior HUF is no individual", 2016, Status::Huf,
       [](auto& in) { in.dob = parseDate("01/01/1945"); in.other = 2000000; }, std::nullopt},
      // 10 % of 117080 = 11708 less rebate 2000 = 9708; cess 194.16 + 97.08: total 9999, below the limit.
      {"total tax below the limit", 2016, Status::Individual, [](auto& in) { in.other = 367080; }, below10000},
      // 11709 - 2000 = 9709; cess 194.18 + 97.09: total 10000, liable ("ten thousand rupees or more").
      {"total tax at the limit", 2016, Status::Individual, [](auto& in) { in.other = 367090; }, std::nullopt},
      // The limit is judged on the tax after TDS: 10000 less 1 of TDS is below it.
      {"TDS brings the tax below the limit", 2016, Status::Individual, [](auto& in) { in.other = 367090; in.tds = 1; }, below10000},
      // 2009 limit 5000: firm 10000 owes 3000 + 90.
      {"limit 5000 before 2010", 2009, Status::Firm, [](auto& in) { in.other = 10000; },
       "There is no Advance Tax Liability. Tax amount is below Rs. 5000."},
      {"limit 10000 from 2010", 2010, Status::Firm, [](auto& in) { in.other = 10000; }, below10000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EstimateInput in = blankCase(c.year, c.status);
    c.set(in);
    EXPECT_EQ(run(in).noLiabilityMessage, c.message);
  }
}

}  // namespace
}  // namespace meridian::forms::estimator
