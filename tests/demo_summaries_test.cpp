#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "common/years.h"
#include "db/connection.h"
#include "support/cli_runner.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

using testsupport::runCli;

// The summary row the demo leaves for each year it entered holds the
// engine's figures: the same as `meridian compute` gives for that client year.
TEST(DemoSummaries, EveryEnteredYearsSummaryIsTheEnginesComputation) {
  testsupport::ScratchDir data("demo-summaries");
  const auto seeded = runCli({"demo", "--data", data.path});
  ASSERT_EQ(seeded.code, 0) << seeded.err;
  EXPECT_EQ(seeded.err.find("not computed"), std::string::npos) << seeded.err;

  auto conn = db::Connection::open("sqlite://" + data.path + "/meridian.db");
  // The summary columns and the figures of the computation they show.
  const std::pair<const char*, nlohmann::json::json_pointer> columns[] = {
      {"a1", "/heads/salary"_json_pointer},        {"a2", "/heads/house_property"_json_pointer},
      {"a7", "/gross_total_income"_json_pointer},  {"a8", "/deductions_total"_json_pointer},
      {"a9", "/total_income"_json_pointer},        {"a11", "/rebate_87a"_json_pointer},
      {"a14", "/relief"_json_pointer},             {"a15", "/net_tax"_json_pointer},
  };
  int compared = 0, bulk = 0;
  for (const auto& year : conn->query("SELECT code_no, ass_year FROM income WHERE code_no NOT LIKE '%^%' ORDER BY code_no")) {
    const std::string code = year.text("code_no");
    const int ay = static_cast<int>(year.integer("ass_year"));
    // The few hundred small earlier years of the bulk clients (below C0801)
    // are entered and computed alike: one in twenty-five stands for them.
    if (code < "C0801" && bulk++ % 25 != 0) continue;
    SCOPED_TRACE(code + " " + assessmentYearText(ay));
    const auto computed = runCli({"compute", "--client", code, "--ay", assessmentYearText(ay), "--json", "--data", data.path});
    ASSERT_EQ(computed.code, 0) << computed.err;
    const auto figures = nlohmann::json::parse(computed.out);
    const auto row = conn->query("SELECT * FROM adv_n WHERE code_no = ? AND assyear = ?", {code, std::to_string(ay)});
    ASSERT_EQ(row.size(), 1u) << "no summary row for the year";
    for (const auto& [column, figure] : columns)
      EXPECT_EQ(row.front().integer(column), figures.value(figure, 0LL)) << column;
    const long long balance = figures.value("/balance"_json_pointer, 0LL);
    EXPECT_EQ(row.front().integer("a19"), std::max(0LL, balance));
    EXPECT_EQ(row.front().integer("a20"), std::max(0LL, -balance));
    ++compared;
  }
  EXPECT_GE(compared, 30) << "the demo enters at least twenty client years by hand, and the bulk clients' years";
  EXPECT_GT(bulk, 100) << "the bulk clients have earlier years of their own";
}

}  // namespace
}  // namespace meridian
