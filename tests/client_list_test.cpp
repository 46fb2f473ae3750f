#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/client_list.h"
#include "support/db_fixture.h"

namespace meridian::host {
namespace {

TEST(ClientListSearch, PrefixContainsAndMaskedPans) {
  struct Case {
    const char* cell;
    const char* box;
    bool pan;
    bool matches;
  } cases[] = {
      {"ABCDE1234F", "XXXDE1234X", true, true},    // acknowledgement attachment form
      {"ABCDE1234F", "xxxde1234x", true, true},
      {"ABCDE1234F", "ABCxxxxx4F", true, true},    // intimation form
      {"ABCDE1234F", "abcXXXXX4f", true, true},
      {"ABCDE1234F", "%1234", true, true},         // contains
      {"ABCDE1234F", "ABCDE", true, true},         // prefix
      {"ABCDE1234F", "XXXDE1235X", true, false},
      {"ABCDE1234F", "ABDxxxxx4F", true, false},
      {"ABCDE1234F", "ABCxxxxx5F", true, false},
      {"ABCDE1234F", "XXXDE1234X", false, false},  // masks are read in the PAN column only
      {"Sharma Traders", "sharma", false, true},
      {"Sharma Traders", "%TRAD", false, true},
      {"Sharma Traders", "Traders", false, false},
      {"Sharma Traders", "", false, true},
      {"", "A", false, false},
      {"XXXDE1234X", "XXXDE1234X", true, true},
      {"ABCDE1234", "XXXDE1234X", true, false},    // a short PAN never matches a mask
  };
  for (const auto& c : cases)
    EXPECT_EQ(searchMatches(c.cell, c.box, c.pan), c.matches) << c.cell << " / " << c.box << " / " << c.pan;
}

TEST(ClientListSearch, EveryNonEmptyBoxMustMatch) {
  const std::vector<std::string> titles = {"Code", "Name", "Status", "PAN"};
  const std::vector<std::vector<std::string>> rows = {{"C1", "Asha Rao", "INDIVIDUAL", "ABCPR1234F"},
                                                      {"C2", "Asha Traders", "FIRM", "ABCFA1234F"},
                                                      {"C3", "Ravi Rao", "INDIVIDUAL", "ZZZPR9999Z"}};
  EXPECT_EQ(matchingRows(rows, titles, {"", "asha", "", ""}), (std::vector<int>{0, 1}));
  EXPECT_EQ(matchingRows(rows, titles, {"", "asha", "IND", ""}), (std::vector<int>{0}));
  EXPECT_EQ(matchingRows(rows, titles, {"", "", "", "XXXPR1234X"}), (std::vector<int>{0}));
  EXPECT_EQ(matchingRows(rows, titles, {"", "%rao", "", "ZZZxxxxx9Z"}), (std::vector<int>{2}));
  EXPECT_EQ(matchingRows(rows, titles, {"", "", "", ""}), (std::vector<int>{0, 1, 2}));
}

TEST(ClientListLayout, SettingOverDefaultBadPairsIgnored) {
  // Default: 8 and 9 hidden, the rest shown.
  auto hidden = hiddenColumns("", 11);
  for (size_t c = 0; c < 11; ++c) EXPECT_EQ(hidden[c], c == 8 || c == 9) << c;
  hidden = hiddenColumns("4|0|8|1|99|0|x|1|5|7", 11);
  EXPECT_TRUE(hidden[4]);
  EXPECT_FALSE(hidden[8]);
  EXPECT_TRUE(hidden[9]);
  EXPECT_FALSE(hidden[5]) << "a flag other than 0 or 1 is ignored";
}

class ExclusionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::scratchDir("docs");
    std::filesystem::create_directories(dir_ + "/cma_data");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void write(const std::string& file, const std::string& text) { std::ofstream(dir_ + "/cma_data/" + file) << text; }
  std::string dir_;
};

TEST_F(ExclusionTest, ConditionByModuleCodeAndFile) {
  write("it.txt", "C1\n\n  C2  \r\nbad/code\n..\nC3\n");
  write("cma.txt", "\n   \n\n");
  write("bill.txt", "B1\n");
  struct Case {
    const char* module;
    const char* filter;
    const char* sql;
    size_t params;
  } cases[] = {
      {"IT", "", "Select * From tempcltbl Where codeno Not In (?,?,?)", 3},
      {"IT", "stat = ?", "Select * From tempcltbl Where codeno Not In (?,?,?) AND stat = ?", 4},
      {"CM", "", "Select * From tempcltbl", 0},  // a file of blank lines excludes nothing
      {"CM", "stat = ?", "Select * From tempcltbl Where stat = ?", 1},
      {"?", "", "Select * From tempcltbl", 0},
      {"", "", "Select * From tempcltbl", 0},
      {"FA", "", "Select * From tempcltbl", 0},  // no file written: nothing excluded
      {"ZZ", "", "Select * From tempcltbl", 0},  // an unknown module has no file
      {"BL", "", "Select * From tempcltbl Where codeno Not In (?)", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.module);
    const auto excluded = readExclusions(dir_, c.module);
    db::Params filterParams;
    if (*c.filter) filterParams.emplace_back("FIRM");
    const auto q = listQuery(excluded, c.filter, filterParams);
    EXPECT_EQ(q.sql, c.sql);
    EXPECT_EQ(q.params.size(), c.params);
  }
  EXPECT_EQ(readExclusions(dir_, "IT"), (std::vector<std::string>{"C1", "C2", "C3"}));
}

}  // namespace
}  // namespace meridian::host
