// meridian efile: one client's return, and every client of a year with a
// summary, as a script runs them on the demo practice.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST_F(EfileReturnCommandTest, TheScreensQuestionsAreAnsweredAsTheRunIsToldAndMeanWhatTheyMeanThere) {
  {
    suite::Application app({data(), ""});
    // C0801 files before the due date, so 139(4) draws the section question;
    // C0805 still owes Rs. 413, which draws the question of s.140A.
    app.conn().execute("UPDATE geninfo_miscinf SET section = '12' WHERE code_no = 'C0801' AND ass_year = 2016");
  }
  struct Case {
    const char* client;
    bool yes;
    int code;
    const char* answer;   // as the JSON gives it
    const char* section;  // as the file carries it; "" when refused
  };
  for (const Case& c : std::vector<Case>{{"C0801", false, 0, "No", "12"},
                                         {"C0801", true, 0, "Yes", "11"},
                                         {"C0805", false, 2, "No", ""},
                                         {"C0805", true, 0, "Yes", "11"}}) {
    SCOPED_TRACE(std::string(c.client) + (c.yes ? " --yes" : ""));
    const std::string file = path(std::string(c.client) + (c.yes ? "_yes" : "_no") + ".xml");
    std::vector<std::string> args{"efile", "--client", c.client, "--ay", "2016-17", "--out", file, "--json", "--data", data()};
    if (c.yes) args.push_back("--yes");
    const auto out = runCli(args);
    ASSERT_EQ(out.code, c.code) << out.out << out.err;
    const auto j = nlohmann::json::parse(out.out);
    ASSERT_EQ(j["answers"].size(), 1u) << out.out;
    EXPECT_EQ(j["answers"][0]["answer"], c.answer);
    if (*c.section == '\0') {
      EXPECT_TRUE(j["reason"].get<std::string>().starts_with("Balance Income-Tax Payable is Rs. 413"));
      EXPECT_NE(j["reason"].get<std::string>().find("give --yes"), std::string::npos);
      EXPECT_FALSE(fs::exists(file));
      continue;
    }
    EXPECT_NE(suite::readWholeFile(file).find(std::string("<ITRForm:ReturnFileSec>") + c.section + "<"), std::string::npos);
  }
}

// Each way a return can end is named apart: refused (by a check, or by a
// No to a question, or for want of what the year's form requires) before
// anything is written, invalid with its first fault and the file kept,
// failed when the file cannot be written.
TEST_F(EfileReturnCommandTest, ARefusalAnInvalidFileAndAFailedWriteAreToldApart) {
  {
    suite::Application app({data(), ""});
    app.conn().execute("UPDATE geninfo_miscinf SET section = '' WHERE code_no = 'C0803' AND ass_year = 2016");
    app.conn().execute("UPDATE owner1 SET email = 'not an address' WHERE code = 'C0804'");
    // C0805 still owes tax, which the screen asks about first; from A.Y.
    // 2015-16 the return then stops for want of bank details.
    app.conn().execute("DELETE FROM bank_details WHERE code_no = 'C0805' AND yr = 2016");
  }
  struct Case {
    std::vector<std::string> args;
    const char* result;
    int code;
    const char* key;   // where the JSON says why
    const char* said;  // part of it
    bool fileKept;
  };
  for (const Case& c : std::vector<Case>{
           {{"--client", "C0803"}, "refused", 2, "reason", "Please specify section", false},
           {{"--client", "C0805"}, "refused", 2, "reason", "(answered No; give --yes to answer Yes)", false},
           {{"--client", "C0805", "--yes"}, "refused", 2, "reason", "'Bank Account Details' are mandatory.", false},
           {{"--client", "C0804"}, "invalid", 1, "first_error", "ITRForm:EmailAddress", true},
           {{"--client", "C0801", "--out", path("no such folder/C0801.xml")}, "failed", 3, "reason",
            "No such file or directory", false}}) {
    SCOPED_TRACE(c.args[1] + " " + c.said);
    std::vector<std::string> args = {"efile", "--ay", "2016-17", "--json", "--data", data()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const std::string file = std::find(args.begin(), args.end(), "--out") == args.end() ? path("out.xml") : "";
    if (!file.empty()) args.insert(args.end(), {"--out", file});
    fs::remove(path("out.xml"));
    const auto out = runCli(args);
    EXPECT_EQ(out.code, c.code) << out.out << out.err;
    const auto j = nlohmann::json::parse(out.out);
    EXPECT_EQ(j["result"], c.result);
    EXPECT_NE(j[c.key].get<std::string>().find(c.said), std::string::npos) << out.out;
    EXPECT_EQ(j.contains("file"), c.fileKept);
    EXPECT_FALSE(j.contains("digest")) << "only a written file carries its digest";
    if (!file.empty()) EXPECT_EQ(fs::exists(file), c.fileKept);
  }
  EXPECT_FALSE(fs::exists(path("no such folder")));
}

TEST_F(EfileReturnCommandTest, EveryClientOfTheYearIsSummedUpWithProgressOnStandardError) {
  {
    suite::Application app({data(), ""});
    app.conn().execute("UPDATE owner1 SET email = 'not an address' WHERE code = 'C0804'");
  }
  // Three of the demo's years still owe tax: --yes goes on past the question.
  const auto out =
      runCli({"efile", "--all", "--yes", "--ay", "2016-17", "--out", path("all"), "--json", "--data", data()});
  EXPECT_EQ(out.code, 1) << "clients without particulars, or of a form not written yet, are refused";
  const auto j = nlohmann::json::parse(out.out);
  ASSERT_EQ(j["written"].size(), 16u) << "the demo's ITR-1 and ITR-4S years of A.Y. 2016-17 but C0804's";
  EXPECT_EQ(j["written"][0]["client"], "C0801");
  EXPECT_TRUE(fs::exists(j["written"][1]["file"].get<std::string>()));
  ASSERT_EQ(j["invalid"].size(), 1u);
  EXPECT_EQ(j["invalid"][0]["client"], "C0804");
  EXPECT_EQ(j["invalid"][0]["result"], "invalid");
  size_t counted = 0;
  for (const char* kind : {"written", "refused", "invalid", "not_validated", "failed"}) {
    EXPECT_EQ(j["counts"][kind].get<size_t>(), j[kind].size()) << kind;
    counted += j[kind].size();
  }
  EXPECT_EQ(j["clients"].get<size_t>(), counted);
  for (const auto& r : j["refused"]) {
    EXPECT_EQ(r["result"], "refused");
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
