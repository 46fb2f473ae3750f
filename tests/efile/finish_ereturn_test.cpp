// The steps after the document is written, as the return screen will run
// them: check, digest, dated copy, each refusal told to the user.
#include <gtest/gtest.h>

#include <filesystem>

#include "itr/efile/efile_digest.h"
#include "itr/efile/finish_ereturn.h"
#include "suite/atomic_file.h"
#include "suite/efile/efile_credentials.h"
#include "suite/efile/schema_efile_tools.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"
#include "ui/dialogs.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

class FinishEReturnTest : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dir_ = testsupport::scratchDir("finish");
    fs::create_directory(documents());
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path documents() const { return fs::path(dir_) / "documents"; }
  WrittenReturn written(int year, const testsupport::SampleReturn& sample) {
    WrittenReturn w{fs::path(dir_) / "ITR1.xml", sample.form, year, "C0042", documents()};
    original_ = testsupport::writeSampleReturn(w.file, sample);
    return w;
  }
  std::optional<fs::path> finish(const WrittenReturn& w) {
    suite::efile::SchemaEfileTools tools(dialogs_);
    suite::efile::EfileCredentials credentials(conn());
    return finishEReturn(w, tools, credentials, dialogs_);
  }
  bool anythingFiled() const { return fs::exists(documents() / "ITeRetXMLs"); }

  std::string dir_, original_;
  ui::ScriptedDialogs dialogs_;
};

TEST_P(FinishEReturnTest, AValidReturnIsDigestedWithTheYearsKeyAndFiled) {
  suite::efile::EfileCredentials(conn()).save(2016, {"SW12345678", "A1b2C3d4E5f6G7h", "0007"});
  const auto w = written(2016, {.year = 2016});
  const auto copy = finish(w);
  ASSERT_TRUE(copy) << (dialogs_.texts().empty() ? "" : dialogs_.texts().front());
  EXPECT_TRUE(dialogs_.shown().empty());
  EXPECT_EQ(copy->parent_path(), documents() / "ITeRetXMLs" / "C0042" / "2016");
  const std::string filed = suite::readWholeFile(*copy);
  const std::string digest = keyedDigest(original_, "A1b2C3d4E5f6G7h", 7);
  EXPECT_NE(filed.find("<ITRForm:Digest>" + digest + "</ITRForm:Digest>"), std::string::npos);
  EXPECT_EQ(filed, suite::readWholeFile(w.file));
}

TEST_P(FinishEReturnTest, ReturnsBeforeTheDigestAreFiledAsWritten) {
  const auto w = written(2014, {.year = 2014});
  const auto copy = finish(w);
  ASSERT_TRUE(copy);
  EXPECT_EQ(suite::readWholeFile(*copy), original_);
}

TEST_P(FinishEReturnTest, EachRefusalIsToldAndNothingIsFiled) {
  struct Case {
    const char* what;
    testsupport::SampleReturn sample;
    std::string form;  // as the screen names it, when not the sample's
    std::string message;
    bool fileKept;
  };
  const std::vector<Case> cases = {
      {"no schema for the form", {.year = 2016}, "ITR-2", "Could not validate File.", true},
      {"faults in the file", {.year = 2016, .pan = "BAD"}, "", "The e-return file does not pass the schema check", true},
      {"no credentials for the year",
       {.year = 2015},
       "",
       "The digest could not be placed in the e-return file, so the file was not kept: no e-filing credentials are "
       "configured for A.Y. 2015-16.",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dialogs_.clear();
    auto w = written(c.sample.year, c.sample);
    if (!c.form.empty()) w.formCode = c.form;
    EXPECT_FALSE(finish(w));
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].message.text.rfind(c.message, 0), 0u) << dialogs_.shown()[0].message.text;
    EXPECT_EQ(fs::exists(w.file), c.fileKept);
    EXPECT_FALSE(anythingFiled());
  }
}

MERIDIAN_ON_BOTH_ENGINES(FinishEReturnTest);

}  // namespace
}  // namespace meridian::itr::efile
