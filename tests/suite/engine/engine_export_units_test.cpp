// Deductions u/ss 10A and 10AA through the command's JSON: the profit from
// export (profit x export turnover / total turnover, s.10AA(7)) at the share
// of the undertaking's year, after the gross total income and within the
// business income left there, and added back for AMT (s.115JC(2)(b)).
// Figures worked by hand.
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "suite/engine/compute_json.h"

namespace meridian::engine {
namespace {

nlohmann::json computed(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = runComputeJson(in, out, err);
  EXPECT_EQ(code, 0) << err.str();
  return code == 0 ? nlohmann::json::parse(out.str()) : nlohmann::json::object();
}

// An individual with a business of 30 lakh in `ay`, of which an undertaking
// earned 20 lakh on a turnover of 20 lakh, 15 lakh of it exported: profit
// from export 15 lakh.
std::string oneUnit(const char* ay, const std::string& unit) {
  return std::string(R"({"ay": ")") + ay + R"(", "business": {"net_profit": 3000000}, "export_units": [)" + unit + "]}";
}

struct ExportCase {
  const char* name;
  std::string input;
  std::int64_t deduction, totalIncome;
};

const std::string kUnit = R"("profit": 2000000, "export_turnover": 1500000, "total_turnover": 2000000)";

const ExportCase kCases[] = {
    {"third year: the whole", oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2014-15", )" + kUnit + "}"),
     1500000, 1500000},
    {"fifth year: still the whole", oneUnit("2013-14", R"({"section": "10AA", "first_ay": "2009-10", )" + kUnit + "}"),
     1500000, 1500000},
    {"sixth year: half", oneUnit("2013-14", R"({"section": "10AA", "first_ay": "2008-09", )" + kUnit + "}"), 750000,
     2250000},
    {"tenth year: half, no reserve needed",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2007-08", )" + kUnit + "}"), 750000, 2250000},
    {"eleventh year: the reserve, below half",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2006-07", "reserve": 400000, )" + kUnit + "}"), 400000,
     2600000},
    {"eleventh year: half, below the reserve",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2006-07", "reserve": 900000, )" + kUnit + "}"), 750000,
     2250000},
    {"eleventh year: no reserve, nothing",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2006-07", )" + kUnit + "}"), 0, 3000000},
    {"fifteenth year: the reserve",
     oneUnit("2017-18", R"({"section": "10AA", "first_ay": "2003-04", "reserve": 100000, )" + kUnit + "}"), 100000,
     2900000},
    {"sixteenth year: over", oneUnit("2017-18", R"({"section": "10AA", "first_ay": "2002-03", "reserve": 900000, )" +
                                                     kUnit + "}"),
     0, 3000000},
    {"not begun by the year", oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2017-18", )" + kUnit + "}"), 0,
     3000000},
    {"s.10A ended with A.Y. 2011-12", oneUnit("2013-14", R"({"section": "10A", "first_ay": "2010-11", )" + kUnit + "}"),
     0, 3000000},
    {"claimed less than allowed",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2014-15", "claimed": 500000, )" + kUnit + "}"), 500000,
     2500000},
    {"claimed more than allowed",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2014-15", "claimed": 1800000, )" + kUnit + "}"), 1500000,
     1500000},
    {"a loss of the undertaking gives nothing",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2014-15", "profit": -200000, "export_turnover": 100, "total_turnover": 100})"),
     0, 3000000},
    // 1,00,001 x 1 / 3 = 33,333.67: 33,334 to the rupee.
    {"a third of an odd profit",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2014-15", "profit": 100001, "export_turnover": 1, "total_turnover": 3})"),
     33334, 2966670},
    // Two units together: 15 lakh and half of 15 lakh.
    {"two undertakings",
     oneUnit("2016-17", R"({"section": "10AA", "first_ay": "2014-15", )" + kUnit +
                            R"(}, {"section": "10AA", "first_ay": "2010-11", )" + kUnit + "}"),
     2250000, 750000},
    // A let-out house's loss of 3 lakh meets the business of 5 lakh (s.71):
    // 2 lakh left, and the deduction of 4 lakh stops there.
    {"within the business income left after set-off",
     R"({"ay": "2016-17", "business": {"net_profit": 500000},
         "house_property": [{"type": "let_out", "rent": 0, "interest": 300000}],
         "export_units": [{"section": "10AA", "first_ay": "2015-16", "profit": 400000, "export_turnover": 10, "total_turnover": 10}]})",
     200000, 0},
};

TEST(EngineExportUnits, DeductionByTheUndertakingsYear) {
  for (const ExportCase& c : kCases) {
    const nlohmann::json j = computed(c.input);
    EXPECT_EQ(j["deduction_10a_10aa"], c.deduction) << c.name;
    EXPECT_EQ(j["total_income"], c.totalIncome) << c.name;
  }
}

TEST(EngineExportUnits, TheDeductionIsTakenAfterTheGrossTotalIncomeAndAddedBackForAmt) {
  // A.Y. 2016-17, total income 15 lakh: 25,000 + 1,00,000 + 1,50,000 =
  // 2,75,000, cesses 3 % 8,250: 2,83,250. Adjusted total income 30 lakh
  // (above 20 lakh, s.115JEE(2)): 18.5 % = 5,55,000, cesses 16,650:
  // 5,71,650, which is the tax.
  const nlohmann::json j = computed(kCases[0].input);
  EXPECT_EQ(j["gross_total_income"], 3000000);
  EXPECT_EQ(j["tax_normal"], 275000);
  ASSERT_TRUE(j.contains("alternate_tax"));
  EXPECT_EQ(j["alternate_tax"]["section"], "115JC");
  EXPECT_EQ(j["alternate_tax"]["base"], 3000000);
  EXPECT_EQ(j["alternate_tax"]["tax"], 571650);
  EXPECT_EQ(j["net_tax"], 571650);

  // Chapter VI-A meets what is left after the deduction: 1,50,000 of 80C
  // against a total of 15 lakh.
  const nlohmann::json withVia = computed(
      R"({"ay": "2016-17", "business": {"net_profit": 1600000}, "deductions": {"80C": 150000},
          "export_units": [{"section": "10AA", "first_ay": "2014-15", "profit": 1500000, "export_turnover": 1, "total_turnover": 1}]})");
  EXPECT_EQ(withVia["deduction_10a_10aa"], 1500000);
  EXPECT_EQ(withVia["deductions_total"], 100000) << "Chapter VI-A is held to the 1 lakh left";
  EXPECT_EQ(withVia["total_income"], 0);

  EXPECT_FALSE(computed(R"({"ay": "2016-17", "business": {"net_profit": 100}})").contains("deduction_10a_10aa"))
      << "no undertakings, no key";
}

TEST(EngineExportUnits, BadUndertakingsAreRefused) {
  const struct {
    const char* input;
    const char* message;
  } cases[] = {
      {R"({"ay": "2016-17", "export_units": [{"section": "10B", "first_ay": "2014-15"}]})",
       "compute: \"export_units[0].section\" must be \"10A\" or \"10AA\"\n"},
      {R"({"ay": "2016-17", "export_units": [{"section": "10AA", "first_ay": "2014"}]})",
       "compute: \"export_units[0].first_ay\" must be an assessment year such as 2016-17\n"},
      {R"({"ay": "2016-17", "export_units": [{"section": "10AA", "first_ay": "2014-15", "export_turnover": 5, "total_turnover": 4}]})",
       "compute: \"export_units[0].export_turnover\" cannot exceed the total turnover\n"},
      {R"({"ay": "2016-17", "export_units": [{"section": "10AA", "first_ay": "2014-15", "units": 1}]})",
       "compute: unknown key \"export_units[0].units\"\n"},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out, err;
    EXPECT_EQ(runComputeJson(in, out, err), 2) << c.input;
    EXPECT_EQ(err.str(), c.message);
    EXPECT_TRUE(out.str().empty());
  }
}

// s.32: the book depreciation added back and the chart's taken instead; the
// part of a loss of the year that is depreciation carried as unabsorbed
// depreciation (s.32(2)), absorbed last, and carried even from a late return.
struct DepreciationCase {
  const char* name;
  const char* input;
  std::int64_t business, grossTotal;
  std::vector<std::pair<std::string, std::int64_t>> carried;  // kind, amount
};

const DepreciationCase kDepreciation[] = {
    {"profit: book depreciation replaced",
     R"({"ay": "2016-17", "business": {"net_profit": 500000, "depreciation_debited": 100000, "depreciation_allowed": 150000}})",
     450000, 450000, {}},
    // -1,00,000 + 50,000 - 2,00,000 = -2,50,000; interest of 1 lakh meets
    // it; of the 1,50,000 left all is depreciation (absorbed last).
    {"loss partly met: the rest is depreciation",
     R"({"ay": "2016-17", "business": {"net_profit": -100000, "depreciation_debited": 50000, "depreciation_allowed": 200000},
         "other_sources": {"other_interest": 100000}})",
     -250000, 0, {{"unabsorbed_depreciation", 150000}}},
    // -3,00,000 before depreciation of 1,00,000: both carried apart.
    {"loss before depreciation",
     R"({"ay": "2016-17", "business": {"net_profit": -300000, "depreciation_allowed": 100000}})",
     -400000, 0, {{"business", 300000}, {"unabsorbed_depreciation", 100000}}},
    {"late return: only the depreciation carried",
     R"({"ay": "2016-17", "business": {"net_profit": -300000, "depreciation_allowed": 100000},
         "due_date": "31/07/2016", "filing_date": "31/03/2017"})",
     -400000, 0, {{"unabsorbed_depreciation", 100000}}},
    // A loss of 50,000 within depreciation of 80,000 met whole by interest.
    {"loss met whole", R"({"ay": "2014-15", "business": {"net_profit": 30000, "depreciation_allowed": 80000},
                          "other_sources": {"other_interest": 70000}})",
     -50000, 20000, {}},
};

TEST(EngineExportUnits, DepreciationInTheBusinessIncome) {
  for (const DepreciationCase& c : kDepreciation) {
    const nlohmann::json j = computed(c.input);
    EXPECT_EQ(j["heads"]["business"], c.business) << c.name;
    EXPECT_EQ(j["gross_total_income"], c.grossTotal) << c.name;
    std::vector<std::pair<std::string, std::int64_t>> carried;
    for (const auto& l : j["losses_carried_forward"])
      carried.emplace_back(l["kind"].get<std::string>(), l["amount"].get<std::int64_t>());
    EXPECT_EQ(carried, c.carried) << c.name;
  }
}

}  // namespace
}  // namespace meridian::engine
