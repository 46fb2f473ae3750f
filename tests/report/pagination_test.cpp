#include <gtest/gtest.h>

#include "report_test_support.h"
#include "suite/report/make_report_writer.h"

namespace meridian::suite::report {
namespace {

using testing::CapturedReports;
using testing::trimmed;

// Drives the writer the way screens do and returns what the preview got.
class PaginationTest : public ::testing::Test {
 protected:
  void start(bool wide = false) {
    writer->WinModeReport = true;
    writer->SetCol130 = wide;
    writer->NewReport();
  }
  void lines(int count, const std::string& prefix = "line ") {
    for (int i = 1; i <= count; ++i) writer->printtext(prefix + std::to_string(i));
  }
  void inSection(int section, int pages, const std::string& text) {
    writer->SelectHF(section, pages);
    writer->printtext(text);
    writer->SelectHF(host::hfBody);
  }
  const PagedReport& show() {
    writer->showreport();
    EXPECT_EQ(shown.shown.size(), 1u);
    return *shown.shown.back();
  }
  static std::vector<int> bodySizes(const PagedReport& report) {
    std::vector<int> sizes;
    for (const auto& page : report.pages) sizes.push_back(static_cast<int>(page.body.size()));
    return sizes;
  }
  static std::vector<std::string> texts(const std::vector<Line>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) out.push_back(trimmed(line.plainText()));
    return out;
  }
  void tableRow(const std::string& first, const std::string& second, bool heading) {
    std::vector<host::ReportValue> values{first, second};
    std::vector<int16_t> widths{20, 15};
    std::vector<int32_t> positions{0, 0};
    std::vector<std::string> kinds{"T", "A"}, formats{"", ""};
    writer->WriteToReport(values, widths, positions, kinds, formats, heading, "00", "01", "00", "00");
  }

  CapturedReports shown;
  std::unique_ptr<host::ReportWriter> writer = makeReportWriter(shown.sink());
};

struct LinesPerPageCase {
  const char* name;
  bool wide;
  int bodyLines;
  int headerEvery, headerFirst, footerEvery;
  std::vector<int> expectedBodySizes;
};

class LinesPerPage : public PaginationTest, public ::testing::WithParamInterface<LinesPerPageCase> {};

TEST_P(LinesPerPage, FillsEachPageToItsRoom) {
  const auto& c = GetParam();
  start(c.wide);
  for (int i = 0; i < c.headerEvery; ++i) inSection(host::hfHeader, 0, "header");
  for (int i = 0; i < c.headerFirst; ++i) inSection(host::hfHeader, 1, "title");
  for (int i = 0; i < c.footerEvery; ++i) inSection(host::hfFooter, 0, "footer");
  lines(c.bodyLines);
  const PagedReport& report = show();
  EXPECT_EQ(bodySizes(report), c.expectedBodySizes);
  for (const auto& page : report.pages)
    EXPECT_LE(page.header.size() + page.body.size() + page.footer.size(),
              static_cast<std::size_t>(report.geometry.linesPerPage));
}

INSTANTIATE_TEST_SUITE_P(Paging, LinesPerPage,
                         ::testing::Values(LinesPerPageCase{"exactly_one_page", false, 66, 0, 0, 0, {66}},
                                           LinesPerPageCase{"one_over", false, 67, 0, 0, 0, {66, 1}},
                                           LinesPerPageCase{"header_and_footer", false, 100, 2, 0, 1, {63, 37}},
                                           LinesPerPageCase{"first_page_title", false, 130, 0, 3, 0, {63, 66, 1}},
                                           LinesPerPageCase{"wide_landscape", true, 100, 0, 0, 0, {44, 44, 12}},
                                           LinesPerPageCase{"empty_report", false, 0, 1, 0, 1, {0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaginationTest, HeadersAndFootersGoOnThePagesTheyWereWrittenFor) {
  start();
  inSection(host::hfHeader, 0, "EVERY");
  inSection(host::hfHeader, 1, "FIRST");
  inSection(host::hfHeader, 2, "LATER");
  inSection(host::hfFooter, 2, "CONTINUED");
  lines(150);
  const PagedReport& report = show();
  ASSERT_EQ(report.pages.size(), 3u);
  EXPECT_EQ(texts(report.pages[0].header), (std::vector<std::string>{"EVERY", "FIRST"}));
  EXPECT_EQ(texts(report.pages[1].header), (std::vector<std::string>{"EVERY", "LATER"}));
  EXPECT_EQ(texts(report.pages[2].header), (std::vector<std::string>{"EVERY", "LATER"}));
  EXPECT_TRUE(report.pages[0].footer.empty());
  EXPECT_EQ(texts(report.pages[2].footer), (std::vector<std::string>{"CONTINUED"}));
}

TEST_F(PaginationTest, ClearingASectionDropsWhatItHeld) {
  start();
  inSection(host::hfHeader, 0, "OLD");
  writer->SelectHF(host::hfHeader, 0, true);
  writer->printtext("NEW");
  writer->SelectHF(host::hfBody);
  lines(1);
  EXPECT_EQ(texts(show().pages[0].header), (std::vector<std::string>{"NEW"}));
}

struct PageNumberCase {
  int16_t align, style;
  const char* before;
  const char* after;
  int page;  // of 5
  const char* expected;
  int expectedIndent;  // leading spaces on an 80-column page
};

class PageNumbers : public PaginationTest, public ::testing::WithParamInterface<PageNumberCase> {};

TEST_P(PageNumbers, ShowNumberAndTotal) {
  const auto& c = GetParam();
  start();
  writer->SelectHF(host::hfFooter, 0);
  writer->InsertPgNo_TB(c.align, c.style, c.before, c.after);
  writer->SelectHF(host::hfBody);
  lines(66 * 4 + 1);  // one footer line leaves 65 per page: five pages
  const PagedReport& report = show();
  ASSERT_EQ(report.pages.size(), 5u);
  const std::string text = report.pages[static_cast<std::size_t>(c.page - 1)].footer.at(0).plainText();
  EXPECT_EQ(trimmed(text), c.expected);
  EXPECT_EQ(static_cast<int>(text.find_first_not_of(' ')), c.expectedIndent);
}

INSTANTIATE_TEST_SUITE_P(Footer, PageNumbers,
                         ::testing::Values(PageNumberCase{1, 0, "-", "-", 3, "- 3 -", 37},
                                           PageNumberCase{0, 0, "", "", 4, "4", 0},
                                           PageNumberCase{2, 1, "", "", 2, "Page 2 of 5", 69},
                                           PageNumberCase{1, 1, "[", "]", 5, "[ Page 5 of 5 ]", 32}));

TEST_F(PaginationTest, FormFeedStartsANewPageButNeverABlankOne) {
  start();
  writer->printtext(host::esc::formFeed);  // nothing written yet: no blank first page
  writer->printtext("first");
  writer->printtext(host::esc::formFeed);
  writer->printtext(host::esc::formFeed);  // a second break on the same empty page
  writer->printtext("second" + host::esc::formFeed + "third");
  writer->printtext(host::esc::formFeed);  // a break at the end leaves no empty page
  const PagedReport& report = show();
  ASSERT_EQ(report.pages.size(), 3u);
  EXPECT_EQ(texts(report.pages[0].body), (std::vector<std::string>{"first"}));
  EXPECT_EQ(texts(report.pages[1].body), (std::vector<std::string>{"second"}));
  EXPECT_EQ(texts(report.pages[2].body), (std::vector<std::string>{"third"}));
}

TEST_F(PaginationTest, TableHeadingRowsRepeatOnEveryPageTheTableRunsOnto) {
  start();
  lines(10);
  writer->createtable(1, 2);
  tableRow("Particulars", "Amount", true);
  tableRow("(Rs.)", "", true);
  for (int i = 1; i <= 150; ++i) tableRow("item " + std::to_string(i), std::to_string(i * 100), false);
  writer->printtext("after the table");
  lines(70, "tail ");
  const PagedReport& report = show();
  ASSERT_GE(report.pages.size(), 3u);
  EXPECT_EQ(trimmed(report.pages[0].body[10].plainText()).substr(0, 11), "Particulars");
  for (std::size_t p = 1; p < 3; ++p) {
    EXPECT_EQ(trimmed(report.pages[p].body[0].plainText()).substr(0, 11), "Particulars") << "page " << p + 1;
    EXPECT_EQ(trimmed(report.pages[p].body[1].plainText()), "(Rs.)") << "page " << p + 1;
  }
  // 66 - 10 - 2 headings = 54 items on page 1; 64 on page 2; 32 on page 3.
  EXPECT_EQ(trimmed(report.pages[1].body[2].plainText()).substr(0, 7), "item 55");
  EXPECT_EQ(trimmed(report.pages[2].body[2].plainText()).substr(0, 8), "item 119");
  // Lines after the table do not repeat the heading.
  ASSERT_EQ(report.pages.size(), 4u);
  EXPECT_EQ(trimmed(report.pages[3].body[0].plainText()), "tail 32");
}

TEST_F(PaginationTest, RowsWrittenAfterPrintedLinesContinueTheTableUnderItsHeading) {
  start();
  writer->createtable(1, 2);
  tableRow("Particulars", "Amount", true);
  for (int i = 1; i <= 40; ++i) tableRow("item " + std::to_string(i), "1", false);
  writer->printtext("a line between rows");
  for (int i = 41; i <= 80; ++i) tableRow("item " + std::to_string(i), "1", false);
  writer->createtable(1, 2);  // a new table: its rows have no heading yet
  for (int i = 1; i <= 70; ++i) tableRow("other " + std::to_string(i), "1", false);
  const PagedReport& report = show();
  ASSERT_EQ(report.pages.size(), 3u);
  // Page 1: heading, items 1-40, the printed line, items 41-64.
  EXPECT_EQ(texts(report.pages[0].body).size(), 66u);
  EXPECT_EQ(trimmed(report.pages[1].body[0].plainText()).substr(0, 11), "Particulars");
  EXPECT_EQ(trimmed(report.pages[1].body[1].plainText()).substr(0, 7), "item 65");
  // The new table has no heading to repeat when it runs onto page 3.
  EXPECT_EQ(trimmed(report.pages[2].body[0].plainText()).substr(0, 8), "other 50");
}

TEST_F(PaginationTest, HeadingRowIsNotLeftAloneAtTheFootOfAPage) {
  start();
  lines(65);
  writer->createtable(1, 2);
  tableRow("Particulars", "Amount", true);
  tableRow("Salary", "1000", false);
  const PagedReport& report = show();
  ASSERT_EQ(report.pages.size(), 2u);
  // The line just before the table is its title: it goes along with the
  // heading and the first row.
  EXPECT_EQ(report.pages[0].body.size(), 64u);
  EXPECT_EQ(texts(report.pages[1].body).size(), 3u);
  EXPECT_EQ(trimmed(report.pages[1].body[0].plainText()), "line 65");
  EXPECT_EQ(trimmed(report.pages[1].body[1].plainText()).substr(0, 11), "Particulars");
}

TEST_F(PaginationTest, TitlesOverATableGoWithItsFirstRow) {
  const std::string bold = host::esc::boldOn, plain = host::esc::boldOff;
  const struct {
    const char* name;
    std::vector<std::string> before;  // the lines written between the page's 63 and the table
    size_t firstPageLines;
    const char* secondPageStarts;
  } cases[] = {
      {"bold schedule over bold section", {bold + "SCHEDULE" + plain, bold + "Section" + plain}, 63, "SCHEDULE"},
      {"plain line over plain line", {"SCHEDULE", "Section"}, 64, "Section"},
      {"title parted by one blank line", {"Title", ""}, 63, "Title"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    shown.shown.clear();
    start();
    lines(63);
    for (const auto& line : c.before) line.empty() ? writer->printtext() : writer->printtext(line);
    writer->createtable(1, 2);
    tableRow("Particulars", "Amount", true);
    tableRow("Salary", "1000", false);
    const PagedReport& report = show();
    ASSERT_EQ(report.pages.size(), 2u);
    EXPECT_EQ(report.pages[0].body.size(), c.firstPageLines);
    EXPECT_EQ(trimmed(report.pages[1].body[0].plainText()), c.secondPageStarts);
  }
}

TEST_F(PaginationTest, PrinttextWithoutArgumentAddsABlankLine) {
  start();
  writer->printtext("a");
  writer->printtext();
  writer->printtext("b");
  EXPECT_EQ(texts(show().pages[0].body), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(PaginationTest, HeaderStylesDoNotLeakIntoTheBody) {
  start();
  writer->SelectHF(host::hfHeader, 0);
  writer->printtext(host::esc::boldOn + "Title");
  writer->SelectHF(host::hfBody);
  writer->printtext("plain");
  const PagedReport& report = show();
  EXPECT_TRUE(report.pages[0].header[0].runs[0].style.bold);
  EXPECT_FALSE(report.pages[0].body[0].runs[0].style.bold);
}

TEST_F(PaginationTest, AbortReportLeavesNothing) {
  start();
  inSection(host::hfHeader, 0, "header");
  lines(5);
  writer->AbortReport();
  writer->printtext("written after the abort");
  writer->showreport();
  EXPECT_TRUE(shown.shown.empty());

  // The next report starts clean: nothing of the aborted one survives.
  start();
  writer->printtext("fresh");
  const PagedReport& report = show();
  ASSERT_EQ(report.pages.size(), 1u);
  EXPECT_TRUE(report.pages[0].header.empty());
  EXPECT_EQ(texts(report.pages[0].body), (std::vector<std::string>{"fresh"}));
}

TEST_F(PaginationTest, NewReportForgetsThePreviousReportAndItsPrinterState) {
  start();
  writer->printtext(host::esc::boldOn + "old");
  writer->showreport();
  start();
  writer->printtext("new");
  writer->showreport();
  ASSERT_EQ(shown.shown.size(), 2u);
  const Line& line = shown.shown[1]->pages[0].body.at(0);
  EXPECT_EQ(line.plainText(), "new");
  EXPECT_FALSE(line.runs[0].style.bold);
  EXPECT_EQ(shown.shown[0]->pages[0].body.at(0).plainText(), "old");  // the shown report is not changed
}

}  // namespace
}  // namespace meridian::suite::report
