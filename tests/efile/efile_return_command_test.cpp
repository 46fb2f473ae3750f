// meridian efile: one client's return, and every client of a year with a
// summary, as a script runs them on the demo practice.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "suite/application.h"
#include "suite/atomic_file.h"
#include "support/cli_runner.h"
#include "support/db_fixture.h"
#include "support/xmllint.h"

namespace meridian::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::runCli;

class EfileReturnCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::scratchDir("efile-return-cli");
    ASSERT_EQ(runCli({"demo", "--data", data()}).code, 0);
    const auto stored = runCli({"credentials", "set", "--ay", "2016-17", "--si", "SW12345678", "--ic", "0002",
                                "--key", "A1b2C3d4E5f6G7h", "--data", data()});
    ASSERT_EQ(stored.code, 0) << stored.err;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (fs::path(dir_) / name).string(); }
  std::string data() const { return path("data"); }
  std::string dir_;
};

TEST_F(EfileReturnCommandTest, OneClientsReturnIsWrittenCheckedAndDigested) {
  const auto out = runCli({"efile", "--client", "C0801", "--ay", "2016-17", "--out", path("C0801.xml"), "--json",
                           "--data", data()});
  ASSERT_EQ(out.code, 0) << out.out << out.err;
  const auto j = nlohmann::json::parse(out.out);
  EXPECT_EQ(j["result"], "written");
  EXPECT_EQ(j["file"], path("C0801.xml"));
  EXPECT_EQ(j["digest"].get<std::string>().size(), 44u);
  EXPECT_EQ(j["form"], "ITR-1");
  const std::string bytes = suite::readWholeFile(path("C0801.xml"));
  EXPECT_NE(bytes.find("<ITRForm:Digest>" + j["digest"].get<std::string>() + "</ITRForm:Digest>"), std::string::npos);
  EXPECT_EQ(testsupport::xmllint("data/schemas/ay2016-17/itr1/ITR-1_2016_Main.xsd", path("C0801.xml")).exitCode, 0);
}

TEST_F(EfileReturnCommandTest, RefusalsAreToldAndWriteNothing) {
  {
    suite::Application app({data(), ""});
    app.conn().execute("UPDATE geninfo_miscinf SET section = '' WHERE code_no = 'C0803' AND ass_year = 2016");
  }
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string said;
  };
  for (const Case& c : std::vector<Case>{
           {{"--client", "C0803"}, 2, "Please specify section under which this return is being filed."},
           {{"--client", "NOSUCH"}, 2, "there is no client NOSUCH"},
           {{"--client", "C0801", "--form", "ITR-2"}, 2, "ITR-2 is not written yet"},
           {{"--client", "C0801", "--all"}, 2, "either --client or --all"},
           {{"--client", "C0809"}, 2, "ITR-2A applies; its e-return is not written yet"},
           {{"--client", "C0809", "--form", "ITR-1"}, 2, "ITR-1"}}) {
    std::vector<std::string> args = {"efile", "--ay", "2016-17", "--out", path("refused.xml"), "--data", data()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto out = runCli(args);
    EXPECT_EQ(out.code, c.code) << c.args[1];
    EXPECT_NE(out.err.find(c.said), std::string::npos) << out.err;
    EXPECT_FALSE(fs::exists(path("refused.xml")));
  }
}

TEST_F(EfileReturnCommandTest, EveryClientOfTheYearIsSummedUpWithProgressOnStandardError) {
  const auto out = runCli({"efile", "--all", "--ay", "2016-17", "--out", path("all"), "--json", "--data", data()});
  EXPECT_EQ(out.code, 1) << "clients without particulars, or of a form not written yet, are refused";
  const auto j = nlohmann::json::parse(out.out);
  ASSERT_EQ(j["written"].size(), 17u) << "the demo's ITR-1 and ITR-4S years of A.Y. 2016-17";
  EXPECT_EQ(j["written"][0]["client"], "C0801");
  EXPECT_TRUE(fs::exists(j["written"][1]["file"].get<std::string>()));
  EXPECT_EQ(j["clients"].get<size_t>(), j["written"].size() + j["refused"].size() + j["invalid"].size());
  for (const auto& r : j["refused"]) {
    const std::string form = r["form"];
    const bool written = form == "ITR-1" || form == "ITR-4S";
    EXPECT_EQ(r["reason"], written ? "Please specify section under which this return is being filed."
                                   : form + " applies; its e-return is not written yet")
        << r["client"];
  }
  EXPECT_NE(out.err.find("efile: 1 of " + std::to_string(j["clients"].get<size_t>()) + ": "), std::string::npos);
}

}  // namespace
}  // namespace meridian::cli
