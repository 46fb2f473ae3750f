// meridian validate, digest and credentials as a script runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "itr/efile/efile_digest.h"
#include "suite/atomic_file.h"
#include "support/cli_runner.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"

namespace meridian::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::runCli;

class EfileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testsupport::scratchDir("efile-cli"); }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (fs::path(dir_) / name).string(); }
  std::string data() const { return path("data"); }
  std::string dir_;
};

int xmllintExitCode(const std::string& schema, const std::string& file) {
  const fs::path root = fs::path(MERIDIAN_TEST_DATA_DIR).parent_path().parent_path() / schema;
  const int status = std::system(("xmllint --noout --schema '" + root.string() + "' '" + file + "' 2>/dev/null").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(EfileCommandsTest, ValidateAnswersByExitCodeAndAgreesWithXmllint) {
  testsupport::writeSampleReturn(path("good.xml"), {.year = 2014, .form = "ITR-4S"});
  testsupport::writeSampleReturn(path("bad.xml"), {.year = 2014, .form = "ITR-4S", .pan = "ABCPV12345"});
  const std::string schema = "data/schemas/ay2014-15/itr4s/ITR-4S_2014_Main.xsd";

  const auto good = runCli({"validate", path("good.xml")});
  EXPECT_EQ(good.code, 0) << good.out << good.err;
  EXPECT_EQ(good.out, "valid: " + path("good.xml") + " (ITR-4S, A.Y. 2014-15)\n");
  EXPECT_EQ(xmllintExitCode(schema, path("good.xml")), 0);

  const auto bad = runCli({"validate", path("bad.xml"), "--json"});
  EXPECT_EQ(bad.code, 1);
  const auto report = nlohmann::json::parse(bad.out);
  EXPECT_EQ(report["verdict"], "invalid");
  EXPECT_EQ(report["form"], "ITR-4S");
  EXPECT_EQ(report["ay"], "2014-15");
  EXPECT_EQ(report["fault_count"], 2);  // the PAN and the verifying PAN
  EXPECT_EQ(report["faults"][0]["element"], "ITRForm:PAN");
  EXPECT_NE(xmllintExitCode(schema, path("bad.xml")), 0);
}

TEST_F(EfileCommandsTest, ValidateTellsWhyNoCheckWasPossible) {
  testsupport::writeSampleReturn(path("r.xml"), {.year = 2016});
  suite::writeFileAtomically(path("plain.xml"), "<note>no return</note>\n");
  struct Case {
    std::vector<std::string> args;
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {{"validate", path("r.xml"), "--form", "ITR-2"}, "no schema is kept for ITR-2 of A.Y. 2016-17"},
           {{"validate", path("r.xml"), "--ay", "2016"}, "--ay must be an assessment year such as 2016-17"},
           {{"validate", path("missing.xml")}, "missing.xml"},
           {{"validate", path("plain.xml")}, "the file names no return form and assessment year"}}) {
    const auto out = runCli(c.args);
    EXPECT_EQ(out.code, 2) << c.args[1];
    EXPECT_NE(out.err.find("Could not validate File."), std::string::npos) << out.err;
    EXPECT_NE(out.err.find(c.reason), std::string::npos) << out.err;
  }
}

TEST_F(EfileCommandsTest, DigestSignsWithTheYearsStoredCredentialsOnce) {
  const std::string original = testsupport::writeSampleReturn(path("r.xml"), {.year = 2016});

  const auto none = runCli({"digest", path("r.xml"), "--ay", "2016-17", "--data", data()});
  EXPECT_EQ(none.code, 1);
  EXPECT_NE(none.err.find("no e-filing credentials are configured for A.Y. 2016-17"), std::string::npos) << none.err;

  const auto refused = runCli({"credentials", "set", "--ay", "2016-17", "--si", "SW1234", "--ic", "0005", "--key",
                               "A1b2C3d4E5f6G7h", "--data", data()});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("The software identifier must be SW followed by 8 digits."), std::string::npos);

  ASSERT_EQ(runCli({"credentials", "set", "--ay", "2016-17", "--si", "SW12345678", "--ic", "0005", "--key",
                    "A1b2C3d4E5f6G7h", "--data", data()})
                .code,
            0);
  const auto shown = nlohmann::json::parse(runCli({"credentials", "show", "--ay", "2016-17", "--json", "--data", data()}).out);
  EXPECT_EQ(shown, (nlohmann::json{{"ay", "2016-17"}, {"si", "SW12345678"}, {"ic", "0005"}, {"key_set", true}}));

  const auto placed = runCli({"digest", path("r.xml"), "--ay", "2016-17", "--json", "--data", data()});
  ASSERT_EQ(placed.code, 0) << placed.out << placed.err;
  const auto outcome = nlohmann::json::parse(placed.out);
  EXPECT_EQ(outcome["digest"], itr::efile::keyedDigest(original, "A1b2C3d4E5f6G7h", 5));
  EXPECT_NE(suite::readWholeFile(path("r.xml")).find(outcome["digest"].get<std::string>()), std::string::npos);
  EXPECT_EQ(runCli({"validate", path("r.xml")}).code, 0);

  const auto again = runCli({"digest", path("r.xml"), "--ay", "2016-17", "--data", data()});
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("is its digest already placed?"), std::string::npos) << again.err;

  const auto early = runCli({"digest", path("r.xml"), "--ay", "2014-15", "--data", data()});
  EXPECT_EQ(early.code, 1);
  EXPECT_NE(early.err.find("returns before A.Y. 2015-16 carry no digest"), std::string::npos) << early.err;
}

}  // namespace
}  // namespace meridian::cli
