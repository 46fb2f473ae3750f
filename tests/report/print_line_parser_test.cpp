#include <gtest/gtest.h>

#include "host/report_writer.h"
#include "report_test_support.h"
#include "suite/report/print_line_parser.h"

namespace meridian::suite::report {
namespace {

namespace esc = host::esc;
using testing::describe;
using namespace std::string_literals;

struct ParserCase {
  const char* name;
  std::vector<std::string> input;     // successive printtext lines
  std::vector<std::string> expected;  // described lines, "FF" for a page break
};

std::vector<std::string> parseAll(const std::vector<std::string>& input) {
  PrintLineParser parser;
  std::vector<std::string> out;
  for (const auto& text : input)
    for (const auto& piece : parser.parse(text))
      out.push_back(std::holds_alternative<PageBreak>(piece) ? "FF" : describe(std::get<Line>(piece)));
  return out;
}

const ParserCase parserCases[] = {
    {"bold", {"a" + esc::boldOn + "b" + esc::boldOff + "c"}, {"a<>|b<b>|c<>"}},
    {"italic", {esc::italicOn + "x" + esc::italicOff + "y"}, {"x<i>|y<>"}},
    {"underline", {esc::underlineOn + "Total" + esc::underlineOff + " due"}, {"Total<u>| due<>"}},
    {"pitch 12 then normal", {esc::pitch12 + "small" + esc::normalPitch + "norm"}, {"small<12>|norm<>"}},
    {"condensed then normal", {esc::condensed + "tiny" + esc::normalPitch + "norm"}, {"tiny<17>|norm<>"}},
    {"styles combine", {esc::boldOn + esc::italicOn + esc::underlineOn + esc::condensed + "all"}, {"all<biu17>"}},
    {"form feed alone", {esc::formFeed}, {"FF"}},
    {"form feed inside a line", {"abc" + esc::formFeed + "def"}, {"abc<>", "FF", "def<>"}},
    {"line feed splits a line", {"one\ntwo"}, {"one<>", "two<>"}},
    {"empty line is a blank line", {""}, {""}},
    {"control codes alone print nothing", {esc::boldOn, "x"}, {"x<b>"}},
    {"bold carries to following lines", {esc::boldOn + "x", "y", esc::boldOff + "z"}, {"x<b>", "y<b>", "z<>"}},
    {"pitch carries to following lines", {esc::pitch12, "a", "b"}, {"a<12>", "b<12>"}},
    {"underline carries until switched off", {esc::underlineOn + "a", "b" + esc::underlineOff, "c"},
     {"a<u>", "b<u>", "c<>"}},
    {"unknown control characters dropped", {"a\x01" "b\x07" "c\x7f" "d\x1b"}, {"abcd<>"}},
    {"unknown escape drops its command letter", {"a\x1bXb"}, {"ab<>"}},
    {"real printer underline argument", {"\x1b-\x01u\x1b-\x00n"s}, {"u<u>|n<>"}},
    {"ESC at sign resets the printer", {esc::boldOn + esc::pitch12 + "a\x1b@b"}, {"a<b12>|b<>"}},
    {"tab moves to the next stop of eight", {"ab\tc"}, {"ab      c<>"}},
    {"font directive changes what follows", {esc::fontSize(5), "big"}, {"big<f5>"}},
    {"font directive inside a line", {"a" + esc::fontSize(1) + "b"}, {"a<>|b<f1>"}},
    {"font directive back to zero", {esc::fontSize(5) + "a" + esc::fontSize(0) + "b"}, {"a<f5>|b<>"}},
    {"malformed directive stays text", {"[##ST##FONT##SIZE##]=x=[##EN##FONT##SIZE##]"},
     {"[##ST##FONT##SIZE##]=x=[##EN##FONT##SIZE##]<>"}},
    {"brackets in text are text", {"[a] [b"}, {"[a] [b<>"}},
};

class PrintLineParserTest : public ::testing::TestWithParam<ParserCase> {};

TEST_P(PrintLineParserTest, GivesStyledLines) {
  EXPECT_EQ(parseAll(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ControlSequences, PrintLineParserTest, ::testing::ValuesIn(parserCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace meridian::suite::report
