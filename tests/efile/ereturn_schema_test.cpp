// The writer and the schemas together: returns written element by element in
// each year's layout pass the check, faults are reported with their line and
// element, and libxml2's own command-line check agrees with the program.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

#include "host/efile_tools.h"
#include "suite/atomic_file.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_efile_tools.h"
#include "suite/efile/schema_validator.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"
#include "support/xmllint.h"
#include "ui/dialogs.h"

namespace meridian::suite::efile {
namespace {

namespace fs = std::filesystem;
using testsupport::SampleReturn;
using testsupport::writeSampleReturn;

using testsupport::xmllint;
using testsupport::XmllintVerdict;

// The 1-based line of the file holding the text.
int lineOf(const std::string& bytes, const std::string& text) {
  const size_t at = bytes.find(text);
  if (at == std::string::npos) return -1;
  return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(at), '\n'));
}

class EReturnSchemaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(std::system("command -v xmllint >/dev/null"), 0) << "xmllint is missing: scripts/setup installs libxml2-utils";
    dir_ = testsupport::scratchDir("ereturn-schema");
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path file(const std::string& name) { return fs::path(dir_) / name; }

  std::string dir_;
  ui::ScriptedDialogs dialogs_;
};

TEST_F(EReturnSchemaTest, ReturnsOfEveryYearAndFormPassBothChecks) {
  for (int year : {2013, 2014, 2015, 2016}) {
    for (const std::string form : {"ITR-1", "ITR-4S"}) {
      SCOPED_TRACE(form + " " + std::to_string(year));
      const fs::path path = file(form + "_" + std::to_string(year) + ".xml");
      writeSampleReturn(path, {.year = year, .form = form});
      SchemaEfileTools tools(dialogs_);
      std::string result;
      EXPECT_EQ(tools.ValidFile(form, path.string(), result, year), host::EfileTools::kValid) << result;
      EXPECT_TRUE(dialogs_.shown().empty());
      EXPECT_EQ(xmllint(*rootSchemaFor(year, form), path).exitCode, 0);
    }
  }
}

TEST_F(EReturnSchemaTest, FaultsAreReportedWithLineAndElementAsXmllintFindsThem) {
  struct Case {
    const char* what;
    SampleReturn sample;
    std::string faultyLine;  // text on the line the fault is reported at
    std::string element;
    std::string messagePart;
  };
  const std::vector<Case> cases = {
      {"PAN of nine characters", {.year = 2016, .pan = "ABCPV1234"}, "<ITRForm:PAN>", "ITRForm:PAN", "ABCPV1234"},
      {"PAN also in the verification", {.year = 2014, .pan = "abcpv1234k"}, "<ITRForm:AssesseeVerPAN>",
       "ITRForm:AssesseeVerPAN", "pattern"},
      {"negative salary", {.year = 2015, .salaryRupees = -5}, "<ITRForm:IncomeFromSal>", "ITRForm:IncomeFromSal", "-5"},
      {"no e-mail address", {.year = 2013, .withEmail = false}, "<ITRForm:EmailAddress>", "ITRForm:EmailAddress",
       "pattern"},
      {"surname longer than the form allows", {.year = 2016, .form = "ITR-4S", .surname = std::string(80, 'V')},
       "<ITRForm:SurNameOrOrgName>", "ITRForm:SurNameOrOrgName", "length"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dialogs_.clear();
    const fs::path path = file("faulty.xml");
    const std::string bytes = writeSampleReturn(path, c.sample);
    const int line = lineOf(bytes, c.faultyLine);
    SchemaEfileTools tools(dialogs_);
    std::string result;
    ASSERT_EQ(tools.ValidFile(c.sample.form, path.string(), result, c.sample.year), host::EfileTools::kInvalid);
    const std::string expected = "Line " + std::to_string(line) + ", " + c.element + ": ";
    EXPECT_NE(result.find(expected), std::string::npos) << result;
    EXPECT_NE(result.find(c.messagePart), std::string::npos) << result;
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].message.icon, ui::Icon::exclamation);
    EXPECT_NE(dialogs_.shown()[0].message.text.find(expected), std::string::npos);

    const auto report = validateFileAgainst(*rootSchemaFor(c.sample.year, c.sample.form), path);
    std::set<int> ours;
    for (const auto& issue : report.issues) ours.insert(issue.line);
    const XmllintVerdict theirs = xmllint(*rootSchemaFor(c.sample.year, c.sample.form), path);
    EXPECT_NE(theirs.exitCode, 0);
    EXPECT_EQ(ours, theirs.faultLines);
  }
}

TEST_F(EReturnSchemaTest, BrokenXmlIsAFaultAtItsLine) {
  const fs::path path = file("broken.xml");
  std::string bytes = writeSampleReturn(path, {.year = 2016});
  const size_t cut = bytes.find("</ITRForm:CreationInfo>");
  bytes.replace(cut, std::string("</ITRForm:CreationInfo>").size(), "</ITRForm:Creation>");
  writeFileAtomically(path, bytes);
  SchemaEfileTools tools(dialogs_);
  std::string result;
  ASSERT_EQ(tools.ValidFile("ITR-1", path.string(), result, 2016), host::EfileTools::kInvalid);
  EXPECT_EQ(result.rfind("Line " + std::to_string(lineOf(bytes, "</ITRForm:Creation>")) + ": ", 0), 0u) << result;
  EXPECT_NE(xmllint(*rootSchemaFor(2016, "ITR-1"), path).exitCode, 0);
}

TEST_F(EReturnSchemaTest, NoCheckIsPossibleWithoutASchemaOrAFile) {
  const fs::path path = file("any.xml");
  writeSampleReturn(path, {.year = 2016});
  struct Case {
    std::string form;
    int year;
    fs::path file;
    std::string reasonPart;
  };
  for (const Case& c : std::vector<Case>{{"ITR-2", 2016, path, "No schema is kept for ITR-2 of A.Y. 2016-17."},
                                         {"ITR-1", 2012, path, "No schema is kept for ITR-1 of A.Y. 2012-13."},
                                         {"ITR-1", 2016, file("missing.xml"), "missing.xml"}}) {
    SCOPED_TRACE(c.form + " " + std::to_string(c.year));
    SchemaEfileTools tools(dialogs_);
    std::string result;
    EXPECT_LT(tools.ValidFile(c.form, c.file.string(), result, c.year), host::EfileTools::kInvalid);
    EXPECT_NE(result.find(c.reasonPart), std::string::npos) << result;
  }
  EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(EReturnSchemaTest, LongListsOfFaultsAreCutShortInTheMessageBox) {
  // A return of another year's layout breaks the check at many places.
  const fs::path path = file("many.xml");
  std::string bytes = writeSampleReturn(path, {.year = 2016});
  for (size_t at = bytes.find("</ITRForm:"); at != std::string::npos; at = bytes.find("</ITRForm:", at + 2))
    bytes.insert(at, "x");
  // Every amount and code now carries a trailing "x".
  writeFileAtomically(path, bytes);
  SchemaEfileTools tools(dialogs_);
  std::string result;
  ASSERT_EQ(tools.ValidFile("ITR-1", path.string(), result, 2016), host::EfileTools::kInvalid);
  const auto report = validateFileAgainst(*rootSchemaFor(2016, "ITR-1"), path);
  ASSERT_GT(report.issueCount, kIssuesShown);
  const std::string& shown = dialogs_.shown().at(0).message.text;
  EXPECT_NE(shown.find("... and " + std::to_string(report.issueCount - kIssuesShown) + " more."), std::string::npos);
  EXPECT_EQ(std::count(result.begin(), result.end(), '\n'), report.issueCount);
}

TEST(ReturnIdentity, FormAndYearAreReadFromTheFile) {
  const fs::path dir = testsupport::scratchDir("identity");
  for (const auto& [form, year] : std::vector<std::pair<std::string, int>>{{"ITR-1", 2013}, {"ITR-4S", 2016}}) {
    const std::string bytes = writeSampleReturn(dir / "r.xml", {.year = year, .form = form});
    const auto identity = identifyReturn(bytes);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->formCode, form);
    EXPECT_EQ(identity->year, year);
  }
  fs::remove_all(dir);
  EXPECT_FALSE(identifyReturn("<a><b/></a>"));
  EXPECT_FALSE(identifyReturn("not xml"));
}

}  // namespace
}  // namespace meridian::suite::efile
