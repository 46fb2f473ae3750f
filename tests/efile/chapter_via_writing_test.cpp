// The Chapter VI-A sections of ITR-1 and ITR-4S: the writer writes those the
// form's schedule lists, in its order, and a claim under any other section is
// stopped by the checks before a file is made (the file itself never holds an
// element its schema refuses, and each written one stands where the schema's
// sequence puts it).
#include <gtest/gtest.h>

#include <filesystem>

#include "itr/check_cases.h"
#include "itr/efile/itr1_writer.h"
#include "itr/filing_checks.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_validator.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

TEST(ChapterVIAWriting, AClaimTheFormCannotShowIsStoppedBeforeWritingAndOneItCanIsWritten) {
  struct Case {
    const char* why;
    std::string form;
    int year;
    std::string section, element;
    bool shown;
  };
  const std::vector<Case> cases{
      {"ITR-1 of A.Y. 2015-16 carries no undertaking's profits", "ITR-1", 2015, "80IA", "Section80IA", false},
      {"nor of A.Y. 2016-17", "ITR-1", 2016, "80JJA", "Section80JJA", false},
      {"SUGAM of A.Y. 2016-17 still lists them", "ITR-4S", 2016, "80IA", "Section80IA", true},
      {"SUGAM of A.Y. 2015-16 too", "ITR-4S", 2015, "80JJA", "Section80JJA", true},
      {"s.80EE lapsed for A.Y. 2016-17", "ITR-1", 2016, "80EE", "Section80EE", false},
      {"s.80EE in its first year", "ITR-1", 2014, "80EE", "Section80EE", true},
      {"s.80-IE has no place in SUGAM", "ITR-4S", 2016, "80IE", "Section80IE", false},
      {"s.80CCD(1B) from A.Y. 2016-17", "ITR-1", 2016, "80CCD(1B)", "Section80CCD1B", true},
  };
  const fs::path dir = testsupport::scratchDir("chapter_via_writing");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ReturnYear y = testing::plainYear(c.year);
    y.result->deductions = {{c.section, Money::rupees(10000), Money::rupees(10000)}};
    const auto stop = testing::resultOf(
        runFilingChecks(y, testing::readyParticulars(), {c.form, true, *makeDate(1, 7, c.year)}), "Chapter VI-A");
    EXPECT_EQ(!stop.has_value(), c.shown);
    if (stop)
      EXPECT_EQ(stop->message, "Following Deductions under Chapter-VIA can not be shown in Return Form [" + c.form +
                                   "] :\r\nu/s " + c.section);
    // Written all the same, the file holds only what its schema takes.
    EReturnInput in = testsupport::sampleEReturnInput({.year = c.year, .form = c.form});
    in.figures.vDedVars.push_back({c.section, Money::rupees(10000), Money::rupees(10000)});
    const std::string bytes = testsupport::writeEReturn(dir / "r.xml", in);
    EXPECT_EQ(bytes.find("<ITRForm:" + c.element + ">10000<") != std::string::npos, c.shown);
    const auto check = suite::efile::validateAgainst(*suite::efile::rootSchemaFor(in.year, in.formCode), bytes);
    EXPECT_EQ(check.verdict, suite::efile::Verdict::valid)
        << (check.issues.empty() ? check.reason : suite::efile::describe(check.issues.front()));
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace meridian::itr::efile
