// Dividends from domestic companies through the command's JSON: exempt
// u/s 10(34) up to ten lakh, the excess taxed at 10 % u/s 115BBDA for a
// resident individual, HUF or firm from A.Y. 2017-18, with no deduction or
// set-off against it. Figures worked by hand.
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "engine_cases.h"
#include "suite/engine/compute_json.h"

namespace meridian::engine {
namespace {

struct DividendCase {
  const char* name;
  const char* input;  // the JSON object
  std::int64_t otherSources, totalIncome, taxNormal, taxSpecial, rebate, educationCess, sheCess;
};

const DividendCase kCases[] = {
    // Within ten lakh: all exempt.
    {"9 lakh", R"({"ay": "2017-18", "status": "Individual", "other_sources": {"dividend_domestic": 900000}})",
     0, 0, 0, 0, 0, 0, 0},
    {"10 lakh exactly", R"({"ay": "2017-18", "status": "Individual", "other_sources": {"dividend_domestic": 1000000}})",
     0, 0, 0, 0, 0, 0, 0},
    // 2,50,000 above the threshold at 10 % = 25,000. Interest of 5 lakh takes
    // total income to 7.5 lakh: no rebate; normal tax 10 % of 2.5 lakh =
    // 25,000; cesses 2 % and 1 % of 50,000.
    {"12.5 lakh with interest",
     R"({"ay": "2017-18", "status": "Individual", "other_sources": {"dividend_domestic": 1250000, "other_interest": 500000}})",
     750000, 750000, 25000, 25000, 0, 1000, 500},
    // Alone, the 2.5 lakh is the whole total income: s.87A (income up to 5
    // lakh) takes 5,000 off the 25,000; cesses on 20,000.
    {"12.5 lakh alone, rebate", R"({"ay": "2017-18", "status": "Individual", "other_sources": {"dividend_domestic": 1250000}})",
     250000, 250000, 0, 25000, 5000, 400, 200},
    // The exemption limit's shortfall does not reach these dividends (only
    // gains u/ss 111A and 112 take it): HUF, no rebate.
    {"HUF 12.5 lakh", R"({"ay": "2017-18", "status": "HUF", "other_sources": {"dividend_domestic": 1250000}})",
     250000, 250000, 0, 25000, 0, 500, 250},
    {"firm 12.5 lakh", R"({"ay": "2017-18", "status": "Firm", "other_sources": {"dividend_domestic": 1250000}})",
     250000, 250000, 0, 25000, 0, 500, 250},
    // Persons the section does not reach, and a year before it.
    {"company", R"({"ay": "2017-18", "status": "Company", "other_sources": {"dividend_domestic": 1250000}})",
     0, 0, 0, 0, 0, 0, 0},
    {"non-resident",
     R"({"ay": "2017-18", "status": "Individual", "residential_status": "NON-RESIDENT", "other_sources": {"dividend_domestic": 1250000}})",
     0, 0, 0, 0, 0, 0, 0},
    {"A.Y. 2016-17", R"({"ay": "2016-17", "status": "Individual", "other_sources": {"dividend_domestic": 1250000}})",
     0, 0, 0, 0, 0, 0, 0},
    // s.115BBDA(2): the year's business loss of 1 lakh and the 80C claim meet
    // nothing; the loss is carried.
    {"no set-off or deduction",
     R"({"ay": "2017-18", "status": "Individual", "business": {"net_profit": -100000},
         "deductions": {"80C": 150000}, "other_sources": {"dividend_domestic": 1250000}})",
     250000, 250000, 0, 25000, 5000, 400, 200},
};

TEST(EngineDividend115bbda, ExcessOverTenLakhByPersonAndYear) {
  for (const DividendCase& c : kCases) {
    const nlohmann::json j = testing::computedJson(c.input);
    EXPECT_EQ(j["heads"]["other_sources"], c.otherSources) << c.name;
    EXPECT_EQ(j["total_income"], c.totalIncome) << c.name;
    EXPECT_EQ(j["tax_normal"], c.taxNormal) << c.name;
    EXPECT_EQ(j["tax_special"], c.taxSpecial) << c.name;
    EXPECT_EQ(j["rebate_87a"], c.rebate) << c.name;
    EXPECT_EQ(j["education_cess"], c.educationCess) << c.name;
    EXPECT_EQ(j["she_cess"], c.sheCess) << c.name;
  }
}

TEST(EngineDividend115bbda, DeductionsAndLossesLeaveTheDividendsAlone) {
  const nlohmann::json j = testing::computedJson(kCases[std::size(kCases) - 1].input);
  EXPECT_EQ(j["deductions_total"], 0);
  ASSERT_EQ(j["losses_carried_forward"].size(), 1u);
  EXPECT_EQ(j["losses_carried_forward"][0]["kind"], "business");
  EXPECT_EQ(j["losses_carried_forward"][0]["amount"], 100000);
}

}  // namespace
}  // namespace meridian::engine
