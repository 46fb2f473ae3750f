#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "support/cli_runner.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

using testsupport::runCli;

class DataSetCommand : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('C1', 'Kaveri Pvt', 'PRIVATE LTD.')");
    conn().execute("INSERT INTO income (code_no, ass_year, status) VALUES ('C1', 2016, 6), ('C1', 2015, 6)");
    conn().execute("INSERT INTO new_tab (code_no, ass_year, city) VALUES ('C1', '2016', 'Madurai')");
  }
  testsupport::CliOutcome dataset(std::vector<std::string> args) {
    args.insert(args.begin(), "dataset");
    for (const auto& a : {"--data", data_.path.c_str(), "--db", database().url().c_str()}) args.push_back(a);
    return runCli(args);
  }
  testsupport::ScratchDir data_{"cli"};
};

TEST_P(DataSetCommand, CopiesRelabelsAndDeletesPrintingEachTable) {
  auto copy = dataset({"copy", "--client", "C1", "--ay", "2016-17", "--from", "C1", "--to", "C1^R-2", "--json"});
  ASSERT_EQ(copy.code, 0) << copy.err;
  const auto j = nlohmann::json::parse(copy.out);
  EXPECT_EQ(j["operation"], "copy");
  EXPECT_EQ(j["ay"], "2016-17");
  EXPECT_EQ(j["total_rows"], 2);
  std::map<std::string, long long> rows;
  for (const auto& t : j["tables"]) rows[t["table"]] = t["rows"];
  EXPECT_EQ(rows["income"], 1);
  EXPECT_EQ(rows["new_tab"], 1);
  EXPECT_EQ(rows["adv_n"], 0) << "a listed table without rows is still reported";
  EXPECT_NE(std::find(j["skipped"].begin(), j["skipped"].end(), "capital_slump"), j["skipped"].end());
  EXPECT_EQ(conn().scalar("SELECT city FROM new_tab WHERE code_no = 'C1^R-2' AND ass_year = '2016'"), "Madurai");

  auto relabel = dataset({"relabel", "--client", "C1", "--ay", "2016-17", "--from", "C1^R-2", "--to", "C1", "--replace"});
  ASSERT_EQ(relabel.code, 0) << relabel.err;
  EXPECT_NE(relabel.out.find("new_tab\t1\t(1 rows of the target removed first)\n"), std::string::npos) << relabel.out;
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM income WHERE code_no = 'C1^R-2'"), "0");

  auto del = dataset({"delete", "--client", "C1", "--ay", "2016-17", "--from", "C1"});
  ASSERT_EQ(del.code, 0) << del.err;
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM income WHERE code_no = 'C1'"), "1") << "2015 stays";
}

TEST_P(DataSetCommand, RefusalsAreOneLineAndWriteNothing) {
  dataset({"copy", "--client", "C1", "--ay", "2016-17", "--from", "C1", "--to", "C1^R-2"});
  const auto before = database().dump("income");
  struct Case {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"copy", "--client", "C1", "--ay", "2016-18", "--from", "C1", "--to", "C1^R-3"},
       "meridian: --ay must be an assessment year such as 2016-17, not \"2016-18\"\n"},
      {{"copy", "--client", "C9", "--ay", "2016-17", "--from", "C9", "--to", "C9^R-3"}, "meridian: no client \"C9\"\n"},
      {{"copy", "--client", "C1", "--ay", "2016-17", "--from", "C1", "--to", "C2^R-3"},
       "meridian: \"C2^R-3\" is not a data set of client \"C1\".\n"},
      {{"copy", "--client", "C1", "--ay", "2016-17", "--from", "C1", "--to", "C1^R-2"},
       "meridian: The data set C1^R-2 already holds figures of A.Y. 2016-17 (income, new_tab); nothing was changed.\n"},
  };
  for (const auto& c : cases) {
    auto o = dataset(c.args);
    EXPECT_EQ(o.code, 1);
    EXPECT_EQ(o.err, c.error);
    EXPECT_EQ(database().dump("income"), before);
  }
}

MERIDIAN_ON_BOTH_ENGINES(DataSetCommand);

}  // namespace
}  // namespace meridian
