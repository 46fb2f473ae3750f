// `meridian estimate --json`: keys in and out, and refusal of bad input with
// one line on standard error.
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "forms/estimator/estimate_json.h"
#include "forms/estimator/instalments.h"

namespace meridian::forms::estimator {
namespace {

struct JsonRun {
  int rc;
  std::string out, err;
};
JsonRun runJson(const std::string& input, const StoredDueDates& stored = {}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int rc = runEstimateJson(in, out, err, stored);
  return {rc, out.str(), err.str()};
}

// The due dates of the instalment grid an answer shows.
std::vector<std::string> gridDates(const JsonRun& r) {
  std::vector<std::string> out;
  const auto answer = nlohmann::json::parse(r.out);
  for (const auto& row : answer["instalments"]) out.push_back(row["due_date"]);
  return out;
}

TEST(EstimateJson, FirmWithInstalments) {
  // Firm 2016, income 1000000: 300000 + 6000 + 3000; T = 300000 after TDS 9000;
  // 234C 1200 + 900 + 500 (worked in the instalment tests); payable 309000 + 2600 - 9000 - 270000.
  const JsonRun r = runJson(R"({"ay": "2016-17", "status": "Firm", "business_ordinary": 1000000, "tds": 9000,
                            "advance_paid": [0, 50000, 100000, 100000, 20000]})");
  ASSERT_EQ(r.rc, 0) << r.err;
  const auto o = nlohmann::json::parse(r.out);
  EXPECT_EQ(o["total_income"], 1000000);
  EXPECT_EQ(o["tax"], 300000);
  EXPECT_EQ(o["rebate"], 0);
  EXPECT_EQ(o["surcharge"], 0);
  EXPECT_EQ(o["education_cess"], 6000);
  EXPECT_EQ(o["she_cess"], 3000);
  EXPECT_EQ(o["total_tax"], 309000);
  EXPECT_EQ(o["interest_234c"], 2600);
  EXPECT_EQ(o["payable"], 32600);
  ASSERT_EQ(o["instalments"].size(), 5u);
  EXPECT_EQ(o["instalments"][1], nlohmann::json({{"period", "16/06 to 15/09"},
                                                 {"due_date", "15/09/2015"},
                                                 {"due", 90000},
                                                 {"paid", 50000},
                                                 {"interest", 1200}}));
  EXPECT_EQ(o["instalments"][4]["due_date"], "31/03/2016");
  EXPECT_TRUE(o["no_liability_message"].is_null());
  EXPECT_TRUE(o["required_income"].is_null());
}

TEST(EstimateJson, IndividualWithDateOfBirthAndDesiredTax) {
  // 60 on 1 April 2016: E 300000, tax 0 on 300000; nil up to 320000 with the rebate.
  const JsonRun r = runJson(R"({"ay": "2016-17", "status": "Individual", "sex": "Female", "dob": "01/04/1956",
                            "other": 300000, "desired_tax": 0})");
  ASSERT_EQ(r.rc, 0) << r.err;
  const auto o = nlohmann::json::parse(r.out);
  EXPECT_EQ(o["tax"], 0);
  EXPECT_EQ(o["required_income"], 320004);
  EXPECT_EQ(o["no_liability_message"].get<std::string>().substr(0, 48), "No Liability for Payment of Advance Tax to an In");
}

TEST(EstimateJson, RequiredIncomeMessageAndPaiseRounding) {
  // 2017: 22000 lies in the jump where the rebate ends.
  JsonRun r = runJson(R"({"ay": "2017-18", "status": "Individual", "desired_tax": 22000})");
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["required_income"], "Failed!!!");
  // 123454.50 rounds half to even to 123454, then to tens 123450 (half up would give 123460).
  r = runJson(R"({"ay": "2017-18", "status": "HUF", "salary": 123454.5})");
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["total_income"], 123450);
}

TEST(EstimateJson, DueDatesFromTheInputThenThePracticeThenTheStatute) {
  const std::string firm = R"({"ay": "2016-17", "status": "Firm", "other": 1000000)";
  const StoredDueDates practice = [](int year) -> std::optional<InstalmentDates> {
    EXPECT_EQ(year, 2016);
    return instalmentDatesFromTexts({"15/06/2015", "15/09/2015", "31/12/2015", "15/03/2016"});
  };
  const StoredDueDates none = [](int) -> std::optional<InstalmentDates> { return std::nullopt; };
  using V = std::vector<std::string>;
  EXPECT_EQ(gridDates(runJson(firm + "}")), (V{"15/06/2015", "15/09/2015", "15/12/2015", "15/03/2016", "31/03/2016"}));
  EXPECT_EQ(gridDates(runJson(firm + "}", none)), (V{"15/06/2015", "15/09/2015", "15/12/2015", "15/03/2016", "31/03/2016"}));
  EXPECT_EQ(gridDates(runJson(firm + "}", practice)),
            (V{"15/06/2015", "15/09/2015", "31/12/2015", "15/03/2016", "31/03/2016"}));
  // The input's own dates win over the practice's for this run.
  const JsonRun own =
      runJson(firm + R"(, "due_dates": ["15/06/2015", "17/09/2015", "15/12/2015", "15/03/2016"]})", practice);
  ASSERT_EQ(own.rc, 0) << own.err;
  EXPECT_EQ(gridDates(own), (V{"15/06/2015", "17/09/2015", "15/12/2015", "15/03/2016", "31/03/2016"}));
  // The payment periods follow them.
  EXPECT_EQ(nlohmann::json::parse(own.out)["instalments"][2]["period"], "18/09 to 15/12");
}

TEST(EstimateJson, BadInputGivesOneLineAndNonZero) {
  const char* cases[] = {
      "",
      "{",
      "[]",
      R"({"ay": "2016-17", "status": "Trust"})",
      R"({"ay": "2016-17"})",
      R"({"ay": "2018-19", "status": "Firm"})",
      R"({"ay": "2004-05", "status": "Firm"})",
      R"({"status": "Firm"})",
      R"({"ay": "2016-17", "status": "Firm", "salary": -1})",
      R"({"ay": "2016-17", "status": "Firm", "advance_paid": [0, -5]})",
      R"({"ay": "2016-17", "status": "Firm", "desired_tax": -100})",
      R"({"ay": "2016-17", "status": "Firm", "salary": "100"})",
      R"({"ay": "2016-17", "status": "Firm", "salry": 100})",
      R"({"ay": "2016-17", "status": "Individual", "dob": "1/1/1950"})",
      R"({"ay": "2016-17", "status": "Individual", "dob": "31/02/1950"})",
      R"({"ay": "2016-17", "status": "Individual", "sex": "M"})",
      R"({"ay": "2016-17", "status": "Firm", "advance_paid": [1, 2, 3, 4, 5, 6]})",
      R"({"ay": "2016-17", "status": "Firm", "children": 1.5})",
      R"({"ay": "2016-17", "status": "Firm", "comp_tax_rate": 1})",
      R"({"ay": "2016-17", "status": "Firm", "salary": 1e15})",
      R"({"ay": "2016-17", "status": "Firm", "due_dates": ["15/06/2015", "15/09/2015", "15/12/2015"]})",
      R"({"ay": "2016-17", "status": "Firm", "due_dates": ["15/06/2015", "31/09/2015", "15/12/2015", "15/03/2016"]})",
      R"({"ay": "2016-17", "status": "Firm", "due_dates": ["15/06/2016", "15/09/2015", "15/12/2015", "15/03/2016"]})",
      R"({"ay": "2016-17", "status": "Firm", "due_dates": "15/06/2015"})",
  };
  for (const char* c : cases) {
    SCOPED_TRACE(c);
    const JsonRun r = runJson(c);
    EXPECT_NE(r.rc, 0);
    EXPECT_TRUE(r.out.empty());
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
  }
}

}  // namespace
}  // namespace meridian::forms::estimator
