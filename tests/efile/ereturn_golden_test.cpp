// The exact bytes of one ITR-1 and one ITR-4S of each year, every schedule
// in them: the digest covers the bytes, so a change of layout must be seen.
// The files change only by a deliberate run with MERIDIAN_REGENERATE_GOLDEN=1,
// which writes them into the source tree; each still has to pass its schema.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "suite/atomic_file.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_validator.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

fs::path goldenFile(const std::string& form, int year) {
  return fs::path(MERIDIAN_TEST_DATA_DIR) / "efile_golden" / (form + "_" + std::to_string(year) + ".xml");
}

bool regenerating() {
  const char* v = std::getenv("MERIDIAN_REGENERATE_GOLDEN");
  return v && std::string(v) == "1";
}

TEST(EReturnGolden, EachYearAndFormIsWrittenByteForByteAsPinned) {
  const fs::path dir = testsupport::scratchDir("golden");
  for (int year : {2013, 2014, 2015, 2016}) {
    for (const std::string form : {"ITR-1", "ITR-4S"}) {
      SCOPED_TRACE(form + " " + std::to_string(year));
      const std::string bytes =
          testsupport::writeSampleReturn(dir / "r.xml", {.year = year, .form = form, .everySchedule = true});
      const auto check = suite::efile::validateAgainst(*suite::efile::rootSchemaFor(year, form), bytes);
      EXPECT_EQ(check.verdict, suite::efile::Verdict::valid)
          << (check.issues.empty() ? check.reason : suite::efile::describe(check.issues.front()));
      if (regenerating()) {
        suite::writeFileAtomically(goldenFile(form, year), bytes);
        continue;
      }
      ASSERT_TRUE(fs::exists(goldenFile(form, year))) << "run once with MERIDIAN_REGENERATE_GOLDEN=1";
      EXPECT_EQ(bytes, suite::readWholeFile(goldenFile(form, year)));
    }
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace meridian::itr::efile
