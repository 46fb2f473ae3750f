// `meridian compute --json` through the command line: a client year in, its
// figures out, and one line with exit code 2 for input it refuses.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/commands.h"

namespace meridian::engine {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

Outcome compute(const std::string& input) {
  std::istringstream in(input);
  std::streambuf* saved = std::cin.rdbuf(in.rdbuf());
  std::string a0 = "meridian", a1 = "compute", a2 = "--json";
  char* argv[] = {a0.data(), a1.data(), a2.data()};
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  const int code = cli::run(3, argv);
  Outcome o{code, ::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()};
  std::cin.rdbuf(saved);
  return o;
}

TEST(ComputeCommand, ASalariedYearRoundTrip) {
  // Salary 1200000 less professional tax 2500; self-occupied interest capped at
  // 200000; 80C 150000 of 180000, 80D 25000 of 30000: total income 822500.
  // Tax 25000 + 20 % of 322500 = 89500; cess 1790 + 895: 92185. TDS 80000.
  // 234B: 12185 -> 12100 x 1 % x 4 months (April to July) = 484.
  // 234C: 30 % 3655.5 -> 3656, 3600 x 3 % = 108; 60 % 7311 -> 7300 x 3 % = 219;
  // 12100 x 1 % = 121: 448. Balance 92185 + 932 - 80000 = 13117.
  // A business loss of 2009-10 of 5000 meets no business income and is carried;
  // 2017-18 is nine years on, so it lapses there and is not carried.
  const Outcome o = compute(R"({
    "ay": "2016-17", "status": "Individual", "residential_status": "RESIDENT", "sex": "Male", "dob": "12/03/1975",
    "salary": [{"gross": 1200000, "professional_tax": 2500}],
    "house_property": [{"type": "self_occupied", "interest": 250000}],
    "losses_brought_forward": [{"kind": "business", "ay": "2009-10", "amount": 5000},
                               {"kind": "speculation", "ay": "2014-15", "amount": 7000}],
    "deductions": {"80C": 180000, "80D": 30000},
    "taxes_paid": {"tds": 80000}, "due_date": "31/07/2016", "filing_date": "31/07/2016"
  })");
  ASSERT_EQ(o.code, 0) << o.err;
  const auto j = nlohmann::json::parse(o.out);
  EXPECT_EQ(j["heads"]["salary"], 1197500);
  EXPECT_EQ(j["heads"]["house_property"], -200000);
  EXPECT_EQ(j["gross_total_income"], 997500);
  EXPECT_EQ(j["deductions_allowed"]["80C"], 150000);
  EXPECT_EQ(j["deductions_allowed"]["80D"], 25000);
  EXPECT_EQ(j["deductions_total"], 175000);
  EXPECT_EQ(j["total_income"], 822500);
  EXPECT_EQ(j["tax_normal"], 89500);
  EXPECT_EQ(j["education_cess"], 1790);
  EXPECT_EQ(j["she_cess"], 895);
  EXPECT_EQ(j["net_tax"], 92185);
  EXPECT_EQ(j["interest_234a"], 0);
  EXPECT_EQ(j["interest_234b"], 484);
  EXPECT_EQ(j["interest_234c"], 448);
  EXPECT_EQ(j["taxes_paid"], 80000);
  EXPECT_EQ(j["balance"], 13117);
  const nlohmann::json carried = nlohmann::json::parse(R"([
    {"kind": "business", "ay": "2009-10", "amount": 5000},
    {"kind": "speculation", "ay": "2014-15", "amount": 7000}])");
  EXPECT_EQ(j["losses_carried_forward"], carried);
}

TEST(ComputeCommand, GainsByWhenTheyAroseAndLossesOfTheirOwnKind) {
  // Interest 10,00,000 and a s.111A gain of 2,00,000 that arose after 15
  // December: tax 1,25,000 + 30,000 + cess 4,650 = 1,59,650, all paid in
  // advance. 15 December is worked on 1,28,750 (no gain): 60 % = 77,250, paid.
  // A s.35AD loss of 50,000 and a race-horse loss of 2013-14 meet nothing.
  const Outcome o = compute(R"({
    "ay": "2016-17", "other_sources": {"other_interest": 1000000}, "capital_gains": {"stcg_111a": 200000},
    "business": {"specified_business": -50000},
    "arising": [{}, {}, {}, {"stcg_111a": 200000}],
    "losses_brought_forward": [{"kind": "race_horses", "ay": "2013-14", "amount": 10000}],
    "taxes_paid": {"advance": [{"date": "15/09/2015", "amount": 77250}, {"date": "15/03/2016", "amount": 82400}]}
  })");
  ASSERT_EQ(o.code, 0) << o.err;
  const auto j = nlohmann::json::parse(o.out);
  EXPECT_EQ(j["gross_total_income"], 1200000);
  EXPECT_EQ(j["net_tax"], 159650);
  EXPECT_EQ(j["interest_234c"], 0) << "without the proviso: 95,790 - 77,250 -> 18,500 x 3 % = 555";
  EXPECT_EQ(j["balance"], 0);
  const nlohmann::json carried = nlohmann::json::parse(R"([
    {"kind": "race_horses", "ay": "2013-14", "amount": 10000},
    {"kind": "specified_business", "ay": "2016-17", "amount": 50000}])");
  EXPECT_EQ(j["losses_carried_forward"], carried);
}

// s.115JC end to end: an individual's deduction u/s 80-IA (Part C of Chapter
// VI-A) raises the adjusted total income above the total income and past the
// 20 lakh of s.115JEE(2); AMT is the tax where it is higher, and its credit is
// used (s.115JD(4), (5)) in a later year whose tax exceeds the AMT.
TEST(ComputeCommand, AlternateMinimumTaxOfAnIndividualWithAPartCDeduction) {
  struct Case {
    const char* name;
    const char* input;
    long long totalIncome, taxNormal, netTax;
    const char* alternate;
  } cases[] = {
      // A.Y. 2016-17: business 50,00,000 less 80-IA 25,00,000 = 25,00,000; tax
      // 25,000 + 1,00,000 + 4,50,000 = 5,75,000 + cess 3 % 17,250 = 5,92,250.
      // Adjusted total income 50,00,000: AMT 18.5 % 9,25,000 + 27,750 =
      // 9,52,750, payable; 3,60,500 of credit arises.
      {"AMT payable", R"("ay": "2016-17", "deductions": {"80IA": 2500000})", 2500000, 575000, 952750,
       R"({"section": "115JC", "base": 5000000, "tax": 952750, "payable": true, "credit_used": 0,
           "credit_carried_forward": [{"ay": "2016-17", "amount": 360500}]})"},
      // A.Y. 2017-18: 50,00,000 less 5,00,000 = 45,00,000; tax 25,000 +
      // 1,00,000 + 10,50,000 = 11,75,000 + 35,250 = 12,10,250 above the AMT of
      // 9,52,750 on 50,00,000: 2,57,500 of the 3,60,500 is used, 1,03,000 carried.
      {"credit used", R"("ay": "2017-18", "deductions": {"80IA": 500000},
           "tax_credit_brought_forward": [{"ay": "2016-17", "amount": 360500}])",
       4500000, 1175000, 952750,
       R"({"section": "115JC", "base": 5000000, "tax": 952750, "payable": false, "credit_used": 257500,
           "credit_carried_forward": [{"ay": "2016-17", "amount": 103000}]})"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome o = compute(std::string(R"({"status": "Individual", "dob": "01/01/1970", "business": {"net_profit": 5000000},
        "interest": {"234A": "none", "234B": "none", "234C": "none"}, )") + c.input + "}");
    ASSERT_EQ(o.code, 0) << o.err;
    const auto j = nlohmann::json::parse(o.out);
    EXPECT_EQ(j["total_income"], c.totalIncome);
    EXPECT_EQ(j["tax_normal"], c.taxNormal);
    EXPECT_EQ(j["net_tax"], c.netTax);
    EXPECT_EQ(j["alternate_tax"], nlohmann::json::parse(c.alternate));
    EXPECT_EQ(j["balance"], c.netTax) << "nothing paid, no interest charged";
  }
}

TEST(ComputeCommand, UnabsorbedDepreciationSpreadOverTheHeads) {
  // A.Y. 2015-16: salary 3,00,000, business 1,00,000 less its loss of 2012-13
  // (80,000), interest 60,000, a 20 % gain 40,000; depreciation of 2010-11,
  // 70,000. The law's order: business 20,000 and interest 50,000, leaving
  // 3,10,000 at normal rates (tax 6,000) and the gain (8,000); rebate 2,000:
  // 12,000 + cess 360 = 12,360. Spread business 20,000 and long-term 40,000
  // and interest 10,000: 3,50,000 at normal rates, 10,000 - 2,000 + 240 = 8,240.
  const std::string year = R"("ay": "2015-16", "salary": [{"gross": 300000}], "business": {"net_profit": 100000},
    "other_sources": {"other_interest": 60000}, "capital_gains": {"ltcg_indexed": 40000},
    "losses_brought_forward": [{"kind": "business", "ay": "2012-13", "amount": 80000},
                               {"kind": "unabsorbed_depreciation", "ay": "2010-11", "amount": 70000}])";
  struct Case {
    const char* name;
    std::string spread;
    int taxSpecial, netTax;
  } cases[] = {
      {"the law's order", "", 8000, 12360},
      {"as spread", R"(, "unabsorbed_depreciation_set_off": {"business": 20000, "long_term": 40000,
                                                           "other_sources": 10000})",
       0, 8240},
  };
  for (const auto& c : cases) {
    const Outcome o = compute("{" + year + c.spread + "}");
    ASSERT_EQ(o.code, 0) << o.err;
    const auto j = nlohmann::json::parse(o.out);
    EXPECT_EQ(j["gross_total_income"], 350000) << c.name;
    EXPECT_EQ(j["tax_special"], c.taxSpecial) << c.name;
    EXPECT_EQ(j["net_tax"], c.netTax) << c.name;
  }
}

// A gain deemed to arise this year goes with the gains of its term: the
// long-term one at the 20 % of s.112 after the exemption limit is used up by
// the salary, the short-term one at normal rates.
TEST(ComputeCommand, DeemedGainsAreTaxedWithTheGainsOfTheirTerm) {
  const Outcome o = compute(R"({"ay": "2016-17", "salary": [{"gross": 600000}],
    "capital_gains": {"deemed_short_term": 50000, "deemed_long_term": 100000}})");
  ASSERT_EQ(o.code, 0) << o.err;
  const auto j = nlohmann::json::parse(o.out);
  EXPECT_EQ(j["gross_total_income"], 750000);
  EXPECT_EQ(j["tax_special"], 20000);
}

TEST(ComputeCommand, RefusesBadInputWithOneLine) {
  struct Case {
    const char* input;
    const char* says;
  } cases[] = {
      {"not json", "input is not valid JSON"},
      {R"({"ay": "2012-13"})", "2013-14 to 2017-18"},
      {R"({"ay": "2016-17", "salry": []})", "unknown key \"salry\""},
      {R"({"ay": "2016-17", "salary": [{"gross": -5}]})", "\"salary[0].gross\" must not be negative"},
      {R"({"ay": "2016-17", "deductions": {"80Z": 5}})", "unknown deduction section \"80Z\""},
      {R"({"ay": "2016-17", "filing_date": "2016-08-01"})", "\"filing_date\" must be a date dd/mm/yyyy"},
      {R"({"ay": "2016-17", "taxes_paid": {"advance": [{"date": "15/06/2016", "amount": 10}]}})", "is not between"},
      {R"({"ay": "2016-17", "status": "Trust"})", "unknown status \"Trust\""},
      {R"({"ay": "2016-17", "losses_brought_forward": [{"kind": "business", "ay": "2016-17", "amount": 1}]})",
       "must be a year before"},
      {R"({"ay": "2016-17", "arising": [{}, {}, {}, {}, {}, {}]})", "\"arising\" has at most 5 periods"},
      {R"({"ay": "2016-17", "arising": [{"stcg_111a": -5}]})", "\"arising[0].stcg_111a\" must not be negative"},
      {R"({"ay": "2016-17", "capital_gains": {"deemed_long_term": -5}})",
       "\"capital_gains.deemed_long_term\" must not be negative"},
      {R"({"ay": "2016-17", "unabsorbed_depreciation_set_off": {"salary": 5}})",
       "unknown key \"unabsorbed_depreciation_set_off.salary\""},
  };
  for (const auto& c : cases) {
    const Outcome o = compute(c.input);
    EXPECT_EQ(o.code, 2) << c.input;
    EXPECT_TRUE(o.out.empty()) << c.input;
    EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
  }
}

}  // namespace
}  // namespace meridian::engine
