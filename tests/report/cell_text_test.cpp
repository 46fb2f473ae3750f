#include <gtest/gtest.h>

#include "suite/report/amount_format.h"
#include "suite/report/cell_text.h"

namespace meridian::suite::report {
namespace {

struct CellTextCase {
  host::ReportValue value;
  const char* kind;
  const char* format;
  const char* expected;
};

const CellTextCase cellTextCases[] = {
    // Amounts: two decimals and Indian grouping by default.
    {123LL, "A", "", "123.00"},
    {1000LL, "A", "", "1,000.00"},
    {100000LL, "A", "", "1,00,000.00"},
    {1234567LL, "A", "", "12,34,567.00"},
    {123456789012LL, "A", "", "1,23,45,67,89,012.00"},
    {-1234567LL, "A", "", "-12,34,567.00"},
    {1234567.5, "A", "", "12,34,567.50"},
    {std::string("1234567.5"), "A", "", "12,34,567.50"},
    {std::string("12,34,567"), "A", "", "12,34,567.00"},
    {std::string("-1234.567"), "A", "", "-1,234.57"},
    // Half to even at the last printed place, in text and in doubles.
    {std::string("0.125"), "A", "", "0.12"},
    {std::string("0.135"), "A", "", "0.14"},
    {std::string("0.12500001"), "A", "", "0.13"},
    {2.675, "A", "", "2.68"},
    {std::string("-0.001"), "A", "", "0.00"},
    // A format decides decimals and grouping.
    {1234.5, "A", "0", "1234"},
    {1235.5, "A", "0", "1236"},
    {1234567LL, "N", "#,##0", "12,34,567"},
    {1234567LL, "A", "#,##0.000", "12,34,567.000"},
    {12.3456789, "N", "0.0000", "12.3457"},
    {7LL, "N", "0.000000", "7.000000"},
    // Numbers without a format print as given.
    {1234567LL, "N", "", "1234567"},
    {12.5, "N", "", "12.5"},
    // Values that are not numbers print as they stand.
    {std::string("Nil"), "A", "", "Nil"},
    {std::string(""), "A", "", ""},
    {host::ReportValue{}, "A", "", ""},
    {std::string("01/04/2016"), "D", "", "01/04/2016"},
    {true, "T", "", "Yes"},
    {std::string("Salary"), "T", "#,##0.00", "Salary"},
};

class CellTextTest : public ::testing::TestWithParam<CellTextCase> {};

TEST_P(CellTextTest, FormatsByKindAndFormat) {
  const auto& c = GetParam();
  EXPECT_EQ(formatCellValue(c.value, c.kind, c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, CellTextTest, ::testing::ValuesIn(cellTextCases));

TEST(ParseDecimal, RefusesTextThatIsNotANumber) {
  for (const char* text : {"", "-", ".", "1.2.3", "12a", "1 000", "99999999999999999999"})
    EXPECT_FALSE(parseDecimal(text).has_value()) << text;
}

}  // namespace
}  // namespace meridian::suite::report
