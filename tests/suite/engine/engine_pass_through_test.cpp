// Income passed through by business trusts and investment funds (ss.115UA,
// 115UB): each part joins its head as computed there, the exempt part is
// exempt income. Figures worked by hand for A.Y. 2016-17 (slabs 2,50,000 /
// 5,00,000 / 10,00,000 at 10 % and 20 %; cesses 2 % and 1 %).
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "engine_cases.h"
#include "suite/engine/compute_json.h"

namespace meridian::engine {
namespace {

struct PassThroughCase {
  const char* name;
  const char* input;
  std::int64_t houseProperty, capitalGains, otherSources, grossTotal, taxNormal, taxSpecial, educationCess, exempt;
  std::int64_t carried;
};

const PassThroughCase kCases[] = {
    // Salary 5,00,000 with 60,000 of rent already computed by the trust (no
    // second 30 %), 40,000 short-term at normal rates, 1,00,000 long-term at
    // 20 % and 25,000 of interest. Normal income 6,25,000: 25,000 + 20 % of
    // 1,25,000 = 50,000; the long-term gain 20,000; cess 2 % of 70,000.
    {"every head", R"({"ay": "2016-17", "salary": [{"gross": 500000}],
        "pass_through": {"house_property": 60000, "short_term": 40000, "long_term": 100000,
                         "other_sources": 25000, "exempt": 30000}})",
     60000, 140000, 25000, 725000, 50000, 20000, 1400, 30000, 0},
    // The year's short-term loss of 50,000 meets the 30,000 passed through;
    // 20,000 is carried. Tax 5,000 less s.87A's 2,000; cess 2 % of 3,000.
    {"a short-term loss meets the gain passed through", R"({"ay": "2016-17", "salary": [{"gross": 300000}],
        "capital_gains": {"stcg_other": -50000}, "pass_through": {"short_term": 30000}})",
     0, 0, 0, 300000, 5000, 0, 60, 0, 20000},
    // A self-occupied house's interest of 2,00,000 against 60,000 of rent
    // passed through: the head is a loss of 1,40,000, set off against the
    // salary of 8,00,000. 25,000 + 20 % of 1,60,000 = 57,000.
    {"the head's loss nets the rent passed through", R"({"ay": "2016-17", "salary": [{"gross": 800000}],
        "house_property": [{"type": "self_occupied", "interest": 200000}],
        "pass_through": {"house_property": 60000}})",
     -140000, 0, 0, 660000, 57000, 0, 1140, 0, 0},
    // Exempt only: nothing is taxed.
    {"exempt part alone", R"({"ay": "2016-17", "pass_through": {"exempt": 45000}})", 0, 0, 0, 0, 0, 0, 0, 45000, 0},
};

TEST(EnginePassThrough, EachPartJoinsItsHead) {
  for (const PassThroughCase& c : kCases) {
    const nlohmann::json j = testing::computedJson(c.input);
    EXPECT_EQ(j["heads"]["house_property"], c.houseProperty) << c.name;
    EXPECT_EQ(j["heads"]["capital_gains"], c.capitalGains) << c.name;
    EXPECT_EQ(j["heads"]["other_sources"], c.otherSources) << c.name;
    EXPECT_EQ(j["gross_total_income"], c.grossTotal) << c.name;
    EXPECT_EQ(j["tax_normal"], c.taxNormal) << c.name;
    EXPECT_EQ(j["tax_special"], c.taxSpecial) << c.name;
    EXPECT_EQ(j["education_cess"], c.educationCess) << c.name;
    EXPECT_EQ(j.value("exempt_income", std::int64_t{0}), c.exempt) << c.name;
    std::int64_t carried = 0;
    for (const auto& l : j["losses_carried_forward"]) carried += l["amount"].get<std::int64_t>();
    EXPECT_EQ(carried, c.carried) << c.name;
  }
}

TEST(EnginePassThrough, BadInputIsRefused) {
  for (const char* input : {R"({"ay": "2016-17", "pass_through": {"short_term": -1}})",
                            R"({"ay": "2016-17", "pass_through": {"business": 100}})"}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_EQ(runComputeJson(in, out, err), 2) << input;
    EXPECT_NE(err.str().find("pass_through"), std::string::npos) << err.str();
  }
}

}  // namespace
}  // namespace meridian::engine
