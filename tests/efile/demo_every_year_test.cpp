// Every year of the demo practice that takes ITR-1 or ITR-4S, in each of
// the four years the e-return is written for, made by `meridian efile --all`
// and held against the year's schema by the program and by xmllint. The
// demo's small earlier years keep no filing particulars (no section, no
// bank account), so the test first gives each the particulars a practitioner
// would type: s.139(1), a savings account for the refund, the verification.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "suite/application.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/heads/demo_filing.h"
#include "support/cli_runner.h"
#include "support/db_fixture.h"
#include "support/xmllint.h"

namespace meridian::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::runCli;

class DemoEveryYearTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::scratchDir("efile-demo-years");
    ASSERT_EQ(runCli({"demo", "--data", data()}).code, 0);
    for (const char* ay : {"2015-16", "2016-17"}) {
      const auto stored = runCli({"credentials", "set", "--ay", ay, "--si", "SW12345678", "--ic", "0002", "--key",
                                  "A1b2C3d4E5f6G7h", "--data", data()});
      ASSERT_EQ(stored.code, 0) << stored.err;
    }
    giveParticularsToYearsWithout();
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (fs::path(dir_) / name).string(); }
  std::string data() const { return path("data"); }

  // Every individual's year without a section chosen.
  void giveParticularsToYearsWithout() {
    suite::Application app({data(), ""});
    auto& conn = app.conn();
    const auto years = conn.query(
        "SELECT i.code_no, i.ass_year FROM income i JOIN owner1 o ON o.code = i.code_no "
        "WHERE i.code_no NOT LIKE ? AND o.pan <> '' AND NOT EXISTS (SELECT 1 FROM geninfo_miscinf g "
        "WHERE g.code_no = i.code_no AND g.ass_year = i.ass_year AND g.section <> '')",
        {"%^%"});
    for (const auto& y : years) {
      const std::string code = y.text("code_no");
      const int year = static_cast<int>(y.integer("ass_year"));
      account_.push_back("50" + std::to_string(year) + code.substr(1));
      signedOn_.push_back("25/07/" + std::to_string(year));
      suite::heads::addDemoFiling(conn, {code.c_str(), year, "DEMO SAVINGS BANK", "DSBK0000101",
                                         account_.back().c_str(), signedOn_.back().c_str()});
    }
    ASSERT_GT(years.size(), 100u) << "the demo's small earlier years are the bulk of the sweep";
  }

  std::string dir_;
  std::vector<std::string> account_, signedOn_;  // kept alive for the rows' C strings
};

TEST_F(DemoEveryYearTest, EveryItr1AndItr4sYearOfEachYearIsWrittenValid) {
  struct Year {
    const char* ay;
    int year;
  };
  for (const Year& y : {Year{"2013-14", 2013}, Year{"2014-15", 2014}, Year{"2015-16", 2015}, Year{"2016-17", 2016}}) {
    SCOPED_TRACE(y.ay);
    const std::string out = path(std::string("out_") + y.ay);
    const auto run = runCli({"efile", "--all", "--yes", "--ay", y.ay, "--out", out, "--json", "--data", data()});
    const auto j = nlohmann::json::parse(run.out);
    for (const char* kind : {"invalid", "not_validated", "failed"}) EXPECT_EQ(j[kind].size(), 0u) << kind << run.out;
    // A year refused is one whose form is not written here: every ITR-1 and
    // ITR-4S year of the demo comes out as a file.
    for (const auto& r : j["refused"]) {
      const std::string form = r["form"];
      EXPECT_NE(form, "ITR-1") << r.dump();
      EXPECT_NE(form, "ITR-4S") << r.dump();
    }
    std::map<std::string, std::vector<fs::path>> filesOfForm;
    for (const auto& w : j["written"]) {
      filesOfForm[w["form"]].push_back(w["file"].get<std::string>());
      EXPECT_EQ(w.contains("digest"), y.year >= 2015) << w.dump();
    }
    // xmllint on each form's files at once: one schema compile per form.
    for (const auto& [form, files] : filesOfForm) {
      const auto root = suite::efile::rootSchemaFor(y.year, form);
      ASSERT_TRUE(root) << form;
      const auto lint = testsupport::xmllint(*root, files);
      EXPECT_EQ(lint.exitCode, 0) << lint.output;
    }
    EXPECT_FALSE(filesOfForm["ITR-1"].empty()) << "each year of the demo has ITR-1 returns";
    if (y.year == 2016) EXPECT_FALSE(filesOfForm["ITR-4S"].empty()) << "the demo's presumptive businesses file ITR-4S";
  }
}

}  // namespace
}  // namespace meridian::cli
