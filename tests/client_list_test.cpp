#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <algorithm>
#include <random>

#include "host/client_list.h"
#include "host/client_search.h"
#include "support/db_fixture.h"

namespace meridian::host {
namespace {

// The search rules as the list first applied them: both texts upper-cased
// into copies, then compared. Kept here as the oracle the in-place matcher
// must agree with, case for case.
bool oracleMatches(const std::string& cell, const std::string& box, bool panColumn) {
  if (box.empty()) return true;
  auto upper = [](std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::toupper(c); });
    return t;
  };
  const std::string c = upper(cell);
  const std::string b = upper(box);
  if (panColumn && box.size() == 10) {
    if (b.compare(0, 3, "XXX") == 0 && b[9] == 'X') return c.size() == 10 && c.compare(3, 6, b, 3, 6) == 0;
    if (b.compare(3, 5, "XXXXX") == 0)
      return c.size() == 10 && c.compare(0, 3, b, 0, 3) == 0 && c.compare(8, 2, b, 8, 2) == 0;
  }
  if (b[0] == '%') return c.find(b.substr(1)) != std::string::npos;
  return c.compare(0, b.size(), b) == 0;
}

// The box's answer for the cell as it is; the answer for the cell as the
// list's packed, upper-cased column holds it must be the same.
bool matches(const std::string& cell, const std::string& box, bool pan) {
  const SearchBox b(box, pan);
  const bool answer = b.matches(cell);
  EXPECT_EQ(b.matchesFolded(foldCase(cell)), answer) << "folded cell \"" << cell << "\" box \"" << box << "\"";
  return answer;
}

TEST(ClientListSearch, PrefixContainsAndMaskedPans) {
  struct Case {
    const char* cell;
    const char* box;
    bool pan;
    bool matches;
  } cases[] = {
      {"ABCDE1234F", "XXXDE1234X", true, true},    // acknowledgement attachment form
      {"ABCDE1234F", "xxxde1234x", true, true},
      {"abcde1234f", "XXXDE1234X", true, true},    // a PAN stored in small letters
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
      {"Sharma Traders", "%ders", false, true},    // contains, at the very end
      {"Sharma Traders", "%dersx", false, false},
      {"Sharma Traders", "%", false, true},        // "%" alone contains nothing: every row
      {"Sharma Traders", "Traders", false, false},
      {"Sharma Traders", "Sharma Traders and Sons", false, false},  // a box longer than the cell
      {"Sharma Traders", "", false, true},
      {"", "A", false, false},
      {"", "%", false, true},
      {"XXXDE1234X", "XXXDE1234X", true, true},
      {"ABCDE1234", "XXXDE1234X", true, false},    // a short PAN never matches a mask
      {"शर्मा ट्रेडर्स", "शर्मा", false, true},         // Indian-script text as typed
      {"शर्मा ट्रेडर्स", "%ट्रेड", false, true},
      {"ÄBC", "äbc", false, false},                // only ASCII letters fold
  };
  for (const auto& c : cases) {
    EXPECT_EQ(matches(c.cell, c.box, c.pan), c.matches) << c.cell << " / " << c.box << " / " << c.pan;
    EXPECT_EQ(oracleMatches(c.cell, c.box, c.pan), c.matches) << "oracle: " << c.cell << " / " << c.box;
  }
}

// Random cells and boxes drawn from a small alphabet (so that matches are
// common), with Devanagari, masked PANs and "%" boxes among them: the
// matcher answers as the old rules on every pair.
TEST(ClientListSearch, MatcherAgreesWithTheOldRulesOnARandomTable) {
  std::mt19937 random(20170401);
  const std::vector<std::string> pieces = {"a", "B", "c", "X", "x", "1", "2", " ", "%", "क", "ख़", "ा", "É", "z", "AB"};
  auto text = [&](size_t maxPieces) {
    std::string t;
    const size_t n = random() % (maxPieces + 1);
    for (size_t i = 0; i < n; ++i) t += pieces[random() % pieces.size()];
    return t;
  };
  auto pan = [&] {
    std::string p;
    for (int i = 0; i < 10; ++i) p += "ABXab12x"[random() % 8];
    return p;
  };
  auto maskOf = [&](std::string p) {
    if (random() % 2) {
      p.replace(0, 3, random() % 2 ? "XXX" : "xxx");
      p[9] = 'x';
    } else {
      p.replace(3, 5, "XXXXX");
    }
    return p;
  };
  constexpr int kRows = 4000, kBoxes = 60;
  std::vector<std::pair<std::string, bool>> cells;  // text, in the PAN column
  for (int r = 0; r < kRows; ++r) {
    cells.emplace_back(text(8), false);
    cells.emplace_back(r % 3 ? pan() : text(12), true);
  }
  size_t agreed = 0, matched = 0;
  for (int b = 0; b < kBoxes; ++b) {
    std::string box;
    switch (b % 4) {
      case 0: box = text(3); break;
      case 1: box = "%" + text(2); break;
      case 2: box = maskOf(cells[static_cast<size_t>(random() % cells.size())].first + "XXXXXXXXXX").substr(0, 10); break;
      default: box = maskOf(pan()); break;
    }
    for (const auto& [cell, inPan] : cells) {
      const bool expected = oracleMatches(cell, box, inPan);
      ASSERT_EQ(matches(cell, box, inPan), expected) << "cell \"" << cell << "\" box \"" << box << "\" PAN " << inPan;
      ++agreed;
      matched += expected;
    }
  }
  // Both answers occur often, or the comparison proves little.
  EXPECT_GT(matched, agreed / 50);
  EXPECT_LT(matched, agreed - agreed / 50);
}

TEST(ClientListSearch, EveryNonEmptyBoxMustMatch) {
  const std::vector<std::string> titles = {"Code", "Name", "Status", "PAN"};
  const std::vector<std::vector<std::string>> rows = {{"C1", "Asha Rao", "INDIVIDUAL", "ABCPR1234F"},
                                                      {"C2", "Asha Traders", "FIRM", "ABCFA1234F"},
                                                      {"C3", "Ravi Rao", "INDIVIDUAL", "ZZZPR9999Z"}};
  auto shown = [&](const std::vector<std::string>& boxes) {
    const RowFilter filter(titles, boxes);
    std::vector<int> out;
    for (size_t r = 0; r < rows.size(); ++r)
      if (filter.matches([&](int c) -> std::string_view { return rows[r][static_cast<size_t>(c)]; }))
        out.push_back(static_cast<int>(r));
    return out;
  };
  EXPECT_EQ(shown({"", "asha", "", ""}), (std::vector<int>{0, 1}));
  EXPECT_EQ(shown({"", "asha", "IND", ""}), (std::vector<int>{0}));
  EXPECT_EQ(shown({"", "", "", "XXXPR1234X"}), (std::vector<int>{0}));
  EXPECT_EQ(shown({"", "%rao", "", "ZZZxxxxx9Z"}), (std::vector<int>{2}));
  EXPECT_EQ(shown({"", "", "", ""}), (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(RowFilter(titles, {"", "", "", ""}).active());
  // The mask is read only in the column titled PAN.
  EXPECT_EQ(shown({"", "", "XXXPR1234X", ""}), (std::vector<int>{}));
}

// A keystroke searches only the rows the last one showed when the new boxes
// can show no row the old ones did not.
TEST(ClientListSearch, NarrowsOnlyWhenNoNewRowCanShow) {
  const std::vector<std::string> titles = {"Code", "Name", "PAN"};
  struct Case {
    std::vector<std::string> before, now;
    bool narrows;
  } cases[] = {
      {{"", "", ""}, {"", "a", ""}, true},            // a box filled in
      {{"", "as", ""}, {"", "ASH", ""}, true},        // typed further, whatever the case
      {{"", "ash", ""}, {"", "as", ""}, false},       // a character taken back
      {{"", "ash", ""}, {"", "asp", ""}, false},
      {{"", "%ra", ""}, {"", "%rao", ""}, true},
      {{"", "%ao", ""}, {"", "%rao", ""}, true},      // still holds the old text
      {{"", "%ra", ""}, {"", "%ar", ""}, false},
      {{"", "ra", ""}, {"", "%ra", ""}, false},       // prefix to contains shows more
      {{"", "%ra", ""}, {"", "ra", ""}, false},       // and the other way round is another rule
      {{"", "a", ""}, {"c", "a", ""}, true},          // a second box
      {{"c", "a", ""}, {"", "a", ""}, false},         // a box emptied
      {{"", "", "ABCxxxxx4"}, {"", "", "ABCxxxxx4F"}, false},  // a prefix grown into a masked PAN
      {{"", "", "ABCxxxxx4F"}, {"", "", "ABCxxxxx4F"}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before[0] + "|" + c.before[1] + "|" + c.before[2] + " -> " + c.now[0] + "|" + c.now[1] + "|" + c.now[2]);
    EXPECT_EQ(RowFilter(titles, c.now).narrows(RowFilter(titles, c.before)), c.narrows);
  }
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
