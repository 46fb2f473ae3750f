#include <gtest/gtest.h>

#include "report_test_support.h"
#include "suite/report/table_layout.h"
#include "suite/report/table_row_builder.h"
#include "suite/report/utf8_text.h"

namespace meridian::suite::report {
namespace {

// A four-column row: text, two amounts, text; columns start at 0, 10, 22, 32.
struct FourColumnRow {
  std::vector<host::ReportValue> values{std::string("Salary"), 150000LL, 2500LL, std::string("Nil")};
  std::vector<int16_t> widths{10, 12, 10, 5};
  std::vector<int32_t> positions{0, 0, 0, 0};
  std::vector<std::string> kinds{"T", "A", "A", "T"};
  std::vector<std::string> formats{"", "", "", ""};

  TableRow build(const RowMasks& masks) const {
    return buildTableRow(4, values, widths, positions, kinds, formats, false, masks, TextStyle{});
  }
};

// What a cell looks like on the printed line: where its text starts and
// which attributes it carries.
struct SeenCell {
  int start = -1;
  bool bold = false, underlined = false, boxed = false;
};

SeenCell findCell(const Line& line, const std::string& text) {
  SeenCell seen;
  int column = 0;
  for (const auto& run : line.runs) {
    auto at = run.text.find(text);
    if (at != std::string::npos) {
      seen.start = column + columnCount(run.text.substr(0, at));
      seen.bold = run.style.bold;
      seen.underlined = run.style.underline;
    }
    column += columnCount(run.text);
  }
  for (const auto& box : line.boxes)
    if (seen.start >= box.column && seen.start < box.column + box.width) seen.boxed = true;
  return seen;
}

struct MaskCase {
  const char* bold;
  const char* right;
  const char* underline;
  const char* box;
  // Expected per column, as "0"/"1" strings and text start columns.
  const char* expectBold;
  const char* expectUnderline;
  const char* expectBoxed;
  std::array<int, 4> expectStart;
};

const MaskCase maskCases[] = {
    {"0000", "0000", "0000", "0000", "0000", "0000", "0000", {0, 10, 22, 32}},
    {"1000", "0000", "0000", "0000", "1000", "0000", "0000", {0, 10, 22, 32}},
    {"0000", "0110", "0000", "0000", "0000", "0000", "0000", {0, 11, 24, 32}},
    {"0000", "0000", "0010", "0000", "0000", "0010", "0000", {0, 10, 22, 32}},
    {"0000", "0000", "0000", "0001", "0000", "0000", "0001", {0, 10, 22, 32}},
    {"1111", "1111", "1111", "1111", "1111", "1111", "1111", {4, 11, 24, 34}},
    // Masks shorter than the row leave the remaining columns off.
    {"1", "01", "", "11", "1000", "0000", "1100", {0, 11, 22, 32}},
    // Anything but '1' is off.
    {"x1 0", "0000", "0000", "0000", "0100", "0000", "0000", {0, 10, 22, 32}},
};

class ColumnMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(ColumnMaskTest, SwitchesEachColumnsAttribute) {
  const MaskCase& c = GetParam();
  std::vector<Line> lines = layoutTableRow(FourColumnRow{}.build({c.bold, c.right, c.underline, c.box}));
  ASSERT_EQ(lines.size(), 1u);
  std::string bold, underline, boxed;
  std::array<int, 4> start{};
  const char* texts[] = {"Salary", "1,50,000.00", "2,500.00", "Nil"};
  for (int col = 0; col < 4; ++col) {
    SeenCell seen = findCell(lines[0], texts[col]);
    bold += seen.bold ? '1' : '0';
    underline += seen.underlined ? '1' : '0';
    boxed += seen.boxed ? '1' : '0';
    start[static_cast<std::size_t>(col)] = seen.start;
  }
  EXPECT_EQ(bold, c.expectBold);
  EXPECT_EQ(underline, c.expectUnderline);
  EXPECT_EQ(boxed, c.expectBoxed);
  EXPECT_EQ(start, c.expectStart);
}

INSTANTIATE_TEST_SUITE_P(Masks, ColumnMaskTest, ::testing::ValuesIn(maskCases));

TEST(TableLayout, BoxesCoverTheirCellsExactly) {
  std::vector<Line> lines = layoutTableRow(FourColumnRow{}.build({"", "", "", "1111"}));
  ASSERT_EQ(lines[0].boxes.size(), 4u);
  EXPECT_EQ(lines[0].boxes[1].column, 10);
  EXPECT_EQ(lines[0].boxes[1].width, 12);
  EXPECT_EQ(lines[0].boxes[3].column, 32);
  EXPECT_EQ(lines[0].boxes[3].width, 5);
}

TEST(TableLayout, AmountTooWideWidensItsCellAndShiftsTheRest) {
  FourColumnRow row;
  row.values[1] = 123456789012LL;  // "1,23,45,67,89,012.00": 20 characters in a 12-wide column
  std::vector<Line> lines = layoutTableRow(row.build({"", "0100", "", ""}));
  ASSERT_EQ(lines.size(), 1u);
  const std::string text = lines[0].plainText();
  const auto at = text.find("1,23,45,67,89,012.00");
  ASSERT_NE(at, std::string::npos) << text;
  EXPECT_EQ(text[at - 1], ' ') << "a blank keeps it apart from the cell before: " << text;
  EXPECT_EQ(findCell(lines[0], "2,500.00").start, 32);  // after the widened cell with a blank each side
}

TEST(TableLayout, LongTextWrapsInsideItsColumnAndBoxSpansAllLines) {
  FourColumnRow row;
  row.values[0] = std::string("Income from other sources");
  std::vector<Line> lines = layoutTableRow(row.build({"", "", "", "1000"}));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(testing::trimmed(lines[0].plainText().substr(0, 10)), "Income");
  EXPECT_EQ(testing::trimmed(lines[1].plainText()), "from other");
  EXPECT_EQ(testing::trimmed(lines[2].plainText()), "sources");
  EXPECT_NE(lines[0].plainText().find("1,50,000.00"), std::string::npos);  // other cells on the first line
  ASSERT_EQ(lines[0].boxes.size(), 1u);
  EXPECT_EQ(lines[0].boxes[0].lines, 3);
}

TEST(TableLayout, AbsolutePositionsPlaceCellsButNeverOverlap) {
  std::vector<host::ReportValue> values{std::string("A"), std::string("B"), std::string("C")};
  std::vector<int16_t> widths{5, 5, 5};
  std::vector<int32_t> positions{0, 20, 3};  // the third would overlap the second
  std::vector<std::string> kinds{"T", "T", "T"}, formats;
  std::vector<Line> lines = layoutTableRow(buildTableRow(3, values, widths, positions, kinds, formats, false, {}, {}));
  EXPECT_EQ(findCell(lines[0], "B").start, 20);
  EXPECT_EQ(findCell(lines[0], "C").start, 25);
}

TEST(TableLayout, HeadingCellsAreTextWhateverTheColumnKind) {
  std::vector<host::ReportValue> values{std::string("Amount")};
  std::vector<int16_t> widths{12};
  std::vector<int32_t> positions;
  std::vector<std::string> kinds{"A"}, formats;
  TableRow row = buildTableRow(1, values, widths, positions, kinds, formats, true, {}, {});
  EXPECT_EQ(row.cells[0].text, "Amount");
  EXPECT_FALSE(row.cells[0].numeric);
}

}  // namespace
}  // namespace meridian::suite::report
