// A member's share of an AOP or BOI (s.86) through the command's JSON: out of
// total income where the AOP is taxed at the maximum marginal rate, in total
// income with its tax rebated at the average rate (s.110) where the AOP is
// taxed at normal rates, in and taxed where the AOP is not chargeable.
// Figures worked by hand.
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "suite/engine/compute_json.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/member_share.h"

namespace meridian::engine {
namespace {

struct ShareCase {
  const char* name;
  const char* input;
  std::int64_t business, totalIncome, taxNormal, rebate87a, rebate110, educationCess, sheCess;
  std::int64_t exempt;
};

const ShareCase kCases[] = {
    // Interest 6 lakh; the share of 2 lakh stays out. Tax 25,000 + 20 % of
    // 1 lakh = 45,000; cesses 900 and 450.
    {"maximum marginal rate, 2016-17",
     R"({"ay": "2016-17", "other_sources": {"other_interest": 600000},
         "member_shares": [{"share": 200000, "aop_taxed": "maximum_marginal_rate"}]})",
     0, 600000, 45000, 0, 0, 900, 450, 200000},
    // 4 lakh + 4 lakh = 8 lakh; tax 25,000 + 60,000 = 85,000; average rate
    // 85,000 / 8 lakh on 4 lakh = 42,500 rebated; cesses on 42,500.
    {"normal rates, 2016-17",
     R"({"ay": "2016-17", "other_sources": {"other_interest": 400000},
         "member_shares": [{"share": 400000, "aop_taxed": "normal_rates"}]})",
     400000, 800000, 85000, 0, 42500, 850, 425, 0},
    // The same share of an AOP that is not chargeable: taxed in full.
    {"not chargeable, 2016-17",
     R"({"ay": "2016-17", "other_sources": {"other_interest": 400000},
         "member_shares": [{"share": 400000, "aop_taxed": "not_chargeable"}]})",
     400000, 800000, 85000, 0, 0, 1700, 850, 0},
    // A.Y. 2013-14, no s.87A yet: 5 lakh, tax 10 % of 3 lakh = 30,000;
    // rebate 30,000 x 1.5 / 5 = 9,000; cesses on 21,000.
    {"normal rates, 2013-14",
     R"({"ay": "2013-14", "other_sources": {"other_interest": 350000},
         "member_shares": [{"share": 150000, "aop_taxed": "normal_rates"}]})",
     150000, 500000, 30000, 0, 9000, 420, 210, 0},
    // A.Y. 2014-15: 6 lakh, tax 30,000 + 20,000 = 50,000; 50,000 x 70,000 /
    // 6 lakh = 5,833.33, 5,833; cesses 2 % and 1 % of 44,167 = 883.34 and
    // 441.67.
    {"normal rates, 2014-15, a fraction",
     R"({"ay": "2014-15", "other_sources": {"other_interest": 530000},
         "member_shares": [{"share": 70000, "aop_taxed": "normal_rates"}]})",
     70000, 600000, 50000, 0, 5833, 883, 442, 0},
    // A.Y. 2017-18: 4 lakh, tax 15,000; s.87A takes 5,000 first; 11,250 at
    // the average rate is more than the 10,000 left, so 10,000.
    {"normal rates within s.87A, 2017-18",
     R"({"ay": "2017-18", "other_sources": {"other_interest": 100000},
         "member_shares": [{"share": 300000, "aop_taxed": "normal_rates"}]})",
     300000, 400000, 15000, 5000, 10000, 0, 0, 0},
    // A.Y. 2015-16: a business loss of 1 lakh eats into the share, total
    // income 3 lakh is less than the share: the whole tax of 5,000 less
    // s.87A's 2,000.
    {"share above total income, 2015-16",
     R"({"ay": "2015-16", "business": {"net_profit": -100000}, "other_sources": {"other_interest": 100000},
         "member_shares": [{"share": 300000, "aop_taxed": "normal_rates"}]})",
     200000, 300000, 5000, 2000, 3000, 0, 0, 0},
    // HUF, three AOPs: 1 lakh out, 2 lakh rebated, 50,000 taxed; interest 6.5
    // lakh; 9 lakh, tax 25,000 + 80,000 = 1,05,000; 1,05,000 x 2 / 9 =
    // 23,333.33; cesses on 81,667: 1,633.34 and 816.67.
    {"HUF, three AOPs, 2015-16",
     R"({"ay": "2015-16", "status": "HUF", "other_sources": {"other_interest": 650000},
         "member_shares": [{"share": 100000, "aop_taxed": "maximum_marginal_rate"},
                           {"share": 200000, "aop_taxed": "normal_rates"},
                           {"share": 50000, "aop_taxed": "not_chargeable"}]})",
     250000, 900000, 105000, 0, 23333, 1633, 817, 100000},
};

nlohmann::json computed(const char* input, int expectCode = 0, std::string* err = nullptr) {
  std::istringstream in(input);
  std::ostringstream out, errs;
  const int code = runComputeJson(in, out, errs);
  EXPECT_EQ(code, expectCode) << errs.str();
  if (err) *err = errs.str();
  return code == 0 ? nlohmann::json::parse(out.str()) : nlohmann::json();
}

TEST(EngineMemberShare, Section86ByHowTheAopIsTaxed) {
  for (const ShareCase& c : kCases) {
    const nlohmann::json j = computed(c.input);
    EXPECT_EQ(j["heads"]["business"], c.business) << c.name;
    EXPECT_EQ(j["total_income"], c.totalIncome) << c.name;
    EXPECT_EQ(j["tax_normal"], c.taxNormal) << c.name;
    EXPECT_EQ(j["rebate_87a"], c.rebate87a) << c.name;
    EXPECT_EQ(j["member_shares"]["rebate_110"], c.rebate110) << c.name;
    EXPECT_EQ(j["member_shares"]["exempt"], c.exempt) << c.name;
    EXPECT_EQ(j["education_cess"], c.educationCess) << c.name;
    EXPECT_EQ(j["she_cess"], c.sheCess) << c.name;
    EXPECT_EQ(j["net_tax"], c.taxNormal - c.rebate87a - c.rebate110 + c.educationCess + c.sheCess) << c.name;
  }
}

TEST(EngineMemberShare, ExemptShareIsExemptIncomeAndNoShareNoKey) {
  YearInput in;
  in.year = 2016;
  in.memberShares = {{Money::rupees(120000), AopTaxed::maximumMarginalRate},
                     {Money::rupees(30000), AopTaxed::normalRates}};
  in.business.firmShareExempt = Money::rupees(5000);
  const YearResult r = computeYear(in);
  EXPECT_EQ(r.exemptIncome, Money::rupees(125000)) << "the firm's share and the AOP's, not the included one";
  EXPECT_EQ(r.totalIncome, Money::rupees(30000));
  EXPECT_FALSE(computed(R"({"ay": "2016-17", "other_sources": {"other_interest": 1000}})").contains("member_shares"));
}

TEST(EngineMemberShare, BadSharesAreRefusedWithTheKeyNamed) {
  const struct {
    const char* input;
    const char* says;
  } kBad[] = {
      {R"({"ay": "2016-17", "member_shares": [{"share": 1000, "aop_taxed": "special"}]})",
       "member_shares[0].aop_taxed"},
      {R"({"ay": "2016-17", "member_shares": [{"share": 1000}]})", "member_shares[0].aop_taxed"},
      {R"({"ay": "2016-17", "member_shares": [{"share": -1000, "aop_taxed": "normal_rates"}]})",
       "member_shares[0].share\" must not be negative"},
      {R"({"ay": "2016-17", "member_shares": [{"share": 1000, "aop_taxed": "normal_rates", "pan": "X"}]})",
       "unknown key \"member_shares[0].pan\""},
  };
  for (const auto& b : kBad) {
    std::string err;
    computed(b.input, 2, &err);
    EXPECT_NE(err.find(b.says), std::string::npos) << b.input << " -> " << err;
  }
}

TEST(EngineMemberShare, AverageRateRoundsHalfToEvenAndNeverPassesTheTax) {
  const struct {
    std::int64_t rebated, tax, total, expected;
  } kRows[] = {
      {1, 100, 200, 0},         // 0.5 to the even 0
      {1, 300, 200, 2},         // 1.5 to the even 2
      {3, 100, 200, 2},         // 1.5 to 2
      {5, 100, 200, 2},         // 2.5 to 2
      {250, 1000, 200, 1000},   // share above total income: the whole tax
      {0, 1000, 200, 0},
      {100, 0, 200, 0},
  };
  for (const auto& k : kRows)
    EXPECT_EQ(rebateAtAverageRate(Money::rupees(k.rebated), Money::rupees(k.tax), Money::rupees(k.total)),
              Money::rupees(k.expected))
        << k.rebated << " of " << k.total << " at tax " << k.tax;
}

}  // namespace
}  // namespace meridian::engine
