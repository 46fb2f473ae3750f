#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "itr/efile/dated_copy.h"
#include "suite/atomic_file.h"
#include "support/db_fixture.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

// 6 December 2016, 14:30:05 on the machine's own clock.
std::chrono::system_clock::time_point localMoment() {
  std::tm t{};
  t.tm_year = 2016 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 6;
  t.tm_hour = 14;
  t.tm_min = 30;
  t.tm_sec = 5;
  t.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

class DatedCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::scratchDir("dated-copy");
    documents_ = fs::path(dir_) / "documents";
    fs::create_directory(documents_);
    written_ = fs::path(dir_) / "ITR1_2016.xml";
    suite::writeFileAtomically(written_, "<?xml version=\"1.0\"?>\n<a>\xC3\xA9</a>\n");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string dir_;
  fs::path documents_, written_;
};

TEST_F(DatedCopyTest, FiledUnderTheClientAndYearNamedByTheMoment) {
  const fs::path copy = fileDatedCopy(documents_, "C0042", 2016, written_, localMoment());
  EXPECT_EQ(copy, documents_ / "ITeRetXMLs" / "C0042" / "2016" / "06122016143005_ITR1_2016.xml");
  EXPECT_EQ(suite::readWholeFile(copy), suite::readWholeFile(written_));
  // A second return of the same year lands beside the first.
  const fs::path later = fileDatedCopy(documents_, "C0042", 2016, written_, localMoment() + std::chrono::hours(1));
  EXPECT_EQ(later.filename(), "06122016153005_ITR1_2016.xml");
  EXPECT_TRUE(fs::exists(copy));
}

TEST_F(DatedCopyTest, AClientCodeThatIsNoFolderNameIsRefusedBeforeAnythingIsMade) {
  for (const std::string code : std::vector<std::string>{"", "..", "../C1", "C1/..", "A/B", "A\\B", "C:1", "C\x01"}) {
    EXPECT_THROW(fileDatedCopy(documents_, code, 2016, written_, localMoment()), std::invalid_argument) << code;
  }
  EXPECT_FALSE(fs::exists(documents_ / "ITeRetXMLs"));
}

TEST_F(DatedCopyTest, AFileInTheWayOfAFolderIsReportedAndNothingIsCopied) {
  fs::create_directories(documents_ / "ITeRetXMLs");
  suite::writeFileAtomically(documents_ / "ITeRetXMLs" / "C0042", "not a folder");
  try {
    fileDatedCopy(documents_, "C0042", 2016, written_, localMoment());
    FAIL() << "the copy went somewhere";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("ITeRetXMLs/C0042"), std::string::npos) << e.what();
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(documents_ / "ITeRetXMLs"), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace meridian::itr::efile
