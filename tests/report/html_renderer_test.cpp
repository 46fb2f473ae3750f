#include <gtest/gtest.h>

#include "report_test_support.h"
#include "suite/report/html_renderer.h"
#include "suite/report/make_report_writer.h"

namespace meridian::suite::report {
namespace {

std::size_t countOf(const std::string& haystack, const std::string& needle) {
  std::size_t count = 0;
  for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + needle.size())) ++count;
  return count;
}

std::shared_ptr<const PagedReport> report(const std::vector<std::string>& lines, bool wide = false) {
  testing::CapturedReports shown;
  auto writer = makeReportWriter(shown.sink());
  writer->WinModeReport = true;
  writer->SetCol130 = wide;
  writer->NewReport();
  writer->SelectHF(host::hfFooter);
  writer->InsertPgNo_TB(1, 1, "", "");
  writer->SelectHF(host::hfBody);
  for (const auto& line : lines) writer->printtext(line);
  writer->showreport();
  return shown.shown.at(0);
}

TEST(HtmlRenderer, OnePageElementPerPageEachWithAllItsLines) {
  auto paged = report({"one", host::esc::formFeed, "two", host::esc::formFeed, "three"});
  std::string html = renderHtmlPages(*paged);
  EXPECT_EQ(countOf(html, "<div class=\"page\""), 3u);
  EXPECT_EQ(countOf(html, "<div class=\"ln\">"), 3u * 66u);
  // The footer is the page's last line, after the blank filler.
  auto lastPage = html.substr(html.rfind("<div class=\"page\""));
  auto footerAt = lastPage.find("Page 3 of 3");
  ASSERT_NE(footerAt, std::string::npos);
  EXPECT_EQ(countOf(lastPage.substr(footerAt), "<div class=\"ln\">"), 0u);
}

TEST(HtmlRenderer, EscapesEveryCharacterThatCouldBecomeMarkup) {
  std::string html = renderHtmlPages(*report({"<script>alert(\"x\" & 'y')</script>"}));
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_NE(html.find("&lt;script&gt;alert(&quot;x&quot; &amp; &#39;y&#39;)&lt;/script&gt;"), std::string::npos);
}

TEST(HtmlRenderer, StylesBecomeElementsAndPitchBecomesSize) {
  namespace esc = host::esc;
  std::string html = renderHtmlPages(*report(
      {esc::boldOn + "B" + esc::boldOff + esc::italicOn + "I" + esc::italicOff + esc::underlineOn + "U" +
           esc::underlineOff,
       esc::condensed + "C" + esc::pitch12 + "T" + esc::normalPitch + esc::fontSize(5) + "F"}));
  EXPECT_NE(html.find("<b>B</b>"), std::string::npos);
  EXPECT_NE(html.find("<i>I</i>"), std::string::npos);
  EXPECT_NE(html.find("<u>U</u>"), std::string::npos);
  EXPECT_NE(html.find("<span class=\"p17\">C</span>"), std::string::npos);
  EXPECT_NE(html.find("<span class=\"p12\">T</span>"), std::string::npos);
  EXPECT_NE(html.find("<span class=\"fs5\">F</span>"), std::string::npos);
  // Every class the pages use has a rule in the style sheet.
  for (const char* rule : {".page{", ".page.wide{", ".ln{", ".p12{", ".p17{", ".fs5{", ".box{", "break-after:page"})
    EXPECT_NE(reportPagesCss().find(rule), std::string::npos) << rule;
}

TEST(HtmlRenderer, WideReportsAreMarkedWide) {
  std::string html = renderHtmlPages(*report({"x"}, true));
  EXPECT_EQ(countOf(html, "<div class=\"page wide\""), 1u);
  EXPECT_EQ(countOf(html, "<div class=\"ln\">"), 44u);
}

}  // namespace
}  // namespace meridian::suite::report
