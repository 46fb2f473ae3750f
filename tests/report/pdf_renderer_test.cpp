#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "report_test_support.h"
#include "suite/report/make_report_writer.h"
#include "suite/report/pdf_renderer.h"

namespace meridian::suite::report {
namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  pclose(pipe);
  return output;
}

// Writes the PDF to a scratch file the poppler tools can read.
class PdfFile {
 public:
  explicit PdfFile(const std::string& bytes)
      : path_(fs::temp_directory_path() /
              ("report-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf")) {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~PdfFile() { fs::remove(path_); }
  std::string info() const { return run("pdfinfo '" + path_.string() + "' 2>&1"); }
  std::string text(int page) const {
    return run("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + path_.string() +
               "' - 2>&1");
  }
  // The fonts a page's text is set in, by name.
  std::string fonts(int page) const {
    return run("pdffonts -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + path_.string() + "' 2>&1");
  }
  std::string wordBoxes() const { return run("pdftotext -bbox '" + path_.string() + "' - 2>&1"); }

 private:
  fs::path path_;
};

std::shared_ptr<const PagedReport> threePageReport(bool wide) {
  testing::CapturedReports shown;
  auto writer = makeReportWriter(shown.sink());
  writer->WinModeReport = true;
  writer->SetCol130 = wide;
  writer->NewReport();
  writer->SelectHF(host::hfFooter);
  writer->InsertPgNo_TB(1, 1, "", "");
  writer->SelectHF(host::hfBody);
  namespace esc = host::esc;
  writer->printtext(esc::boldOn + "ALPHA" + esc::boldOff + " " + esc::underlineOn + "first" + esc::underlineOff);
  writer->printtext(std::string(wide ? 132 : 80, 'W'));
  writer->printtext(esc::formFeed + esc::italicOn + "BRAVO" + esc::italicOff);
  writer->createtable(1, 2);
  std::vector<host::ReportValue> values{std::string("Income"), 1234567LL};
  std::vector<int16_t> widths{20, 15};
  std::vector<int32_t> positions{0, 0};
  std::vector<std::string> kinds{"T", "A"}, formats{"", ""};
  writer->WriteToReport(values, widths, positions, kinds, formats, false, "01", "01", "00", "11");
  writer->printtext(esc::formFeed + esc::condensed + "CHARLIE <&> done");
  writer->showreport();
  return shown.shown.at(0);
}

TEST(PdfRenderer, HasOnePdfPagePerReportPageWithTheReportsText) {
  for (bool wide : {false, true}) {
    auto report = threePageReport(wide);
    ASSERT_EQ(report->pages.size(), 3u);
    PdfFile pdf(renderPdf(*report));
    std::string info = pdf.info();
    std::smatch pages, size;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex(R"(Pages:\s+(\d+))"))) << info;
    EXPECT_EQ(pages[1], "3");
    ASSERT_TRUE(std::regex_search(info, size, std::regex(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)"))) << info;
    EXPECT_EQ(std::stod(size[1]) > std::stod(size[2]), wide) << "landscape exactly when wide";

    std::string first = pdf.text(1), second = pdf.text(2), third = pdf.text(3);
    EXPECT_NE(first.find("ALPHA first"), std::string::npos) << first;
    EXPECT_NE(first.find("Page 1 of 3"), std::string::npos) << first;
    EXPECT_NE(second.find("BRAVO"), std::string::npos) << second;
    EXPECT_NE(second.find("12,34,567.00"), std::string::npos) << second;
    EXPECT_NE(third.find("CHARLIE <&> done"), std::string::npos) << third;
    EXPECT_NE(third.find("Page 3 of 3"), std::string::npos) << third;
    EXPECT_EQ(first.find("BRAVO"), std::string::npos) << "page 2's text on page 1";
  }
}

TEST(PdfRenderer, AFullWidthLineFitsInsideThePrintableWidth) {
  for (bool wide : {false, true}) {
    auto report = threePageReport(wide);
    PdfFile pdf(renderPdf(*report));
    std::string boxes = pdf.wordBoxes();
    std::smatch word;
    std::string pattern = R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">W{)re" +
                          std::to_string(wide ? 132 : 80) + "}</word>";
    ASSERT_TRUE(std::regex_search(boxes, word, std::regex(pattern))) << boxes.substr(0, 2000);
    const PageGeometry& g = report->geometry;
    EXPECT_NEAR(std::stod(word[1]), g.marginPt, 1.0);
    EXPECT_NEAR(std::stod(word[2]), g.pageWidthPt - g.marginPt, 2.0);
  }
}

// A font is chosen only when a run's style differs from the run before; each
// page must still choose its own, or its text has no font at all.
TEST(PdfRenderer, EveryPageChoosesTheFontsOfItsOwnText) {
  auto report = threePageReport(false);
  PdfFile pdf(renderPdf(*report));
  struct Case {
    int page;
    std::vector<std::string> used, unused;
  } cases[] = {
      {1, {"DejaVuSansMono-Bold,", "DejaVuSansMono,Book"}, {"Oblique"}},
      {2, {"DejaVuSansMono-Oblique,", "DejaVuSansMono,Book"}, {}},  // the table's bold column too
      {3, {"DejaVuSansMono,Book"}, {"-Bold,", "Oblique"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    const std::string fonts = pdf.fonts(c.page);
    for (const auto& f : c.used) EXPECT_NE(fonts.find(f), std::string::npos) << fonts;
    for (const auto& f : c.unused) EXPECT_EQ(fonts.find(f), std::string::npos) << fonts;
    EXPECT_EQ(pdf.text(c.page).find("Error"), std::string::npos) << pdf.text(c.page);
  }
}

TEST(PdfRenderer, ALibraryRefusalBecomesAnException) {
  PagedReport impossible;
  impossible.geometry.pageWidthPt = 0;  // no page can be that narrow
  impossible.pages.emplace_back();
  EXPECT_THROW(renderPdf(impossible), PdfRenderError);
}

}  // namespace
}  // namespace meridian::suite::report
