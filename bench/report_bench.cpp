#include "report_bench.h"

#include <hpdf.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_timer.h"
#include "suite/report/html_renderer.h"
#include "suite/report/make_report_writer.h"
#include "suite/report/pdf_renderer.h"
#include "suite/report_preview.h"

namespace meridian::bench {
namespace {

using suite::report::PagedReport;

constexpr int lineCount = 10'000;

// A computation-like report: a bold heading every 20 lines, the rest plain
// lines of label and amount.
std::vector<std::string> reportLines(bool withControlCodes) {
  std::vector<std::string> lines;
  lines.reserve(lineCount);
  for (int i = 0; i < lineCount; ++i) {
    std::string text = "Particulars of income, item " + std::to_string(i) + std::string(20, ' ') +
                       std::to_string(1000 + i * 37) + ".00";
    if (withControlCodes && i % 20 == 0) text = host::esc::boldOn + text + host::esc::boldOff;
    lines.push_back(std::move(text));
  }
  return lines;
}

std::shared_ptr<const PagedReport> buildReport(const std::vector<std::string>& lines) {
  std::shared_ptr<const PagedReport> result;
  auto writer = suite::report::makeReportWriter([&](std::shared_ptr<const PagedReport> r) { result = std::move(r); });
  writer->WinModeReport = true;
  writer->NewReport();
  writer->SelectHF(host::hfFooter);
  writer->InsertPgNo_TB(1, 1, "", "");
  writer->SelectHF(host::hfBody);
  for (const auto& line : lines) writer->printtext(line);
  writer->showreport();
  return result;
}

// The lines drawn into a PDF with no report in between: the least a PDF of
// this text can cost with the same library.
std::size_t drawDirectly(const std::vector<std::string>& lines) {
  HPDF_Doc doc = HPDF_New(nullptr, nullptr);
  HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
  HPDF_Font font = HPDF_GetFont(doc, "Courier", "WinAnsiEncoding");
  HPDF_Page page = nullptr;
  constexpr int perPage = 60;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i % perPage == 0) {
      if (page) HPDF_Page_EndText(page);
      page = HPDF_AddPage(doc);
      HPDF_Page_BeginText(page);
      HPDF_Page_SetFontAndSize(page, font, 10);
    }
    HPDF_Page_TextOut(page, 36, static_cast<HPDF_REAL>(800 - 12 * static_cast<int>(i % perPage)), lines[i].c_str());
  }
  if (page) HPDF_Page_EndText(page);
  HPDF_SaveToStream(doc);
  const std::size_t size = HPDF_GetStreamSize(doc);
  HPDF_Free(doc);
  return size;
}

void report(const std::string& name, double milliseconds, double baseline) {
  std::printf("%s: %.1fx baseline (%.2f ms; baseline %.3f ms)\n", name.c_str(), milliseconds / baseline, milliseconds,
              baseline);
}

}  // namespace

void runReportBenchmarks() {
  const std::vector<std::string> plain = reportLines(false);
  const std::vector<std::string> styled = reportLines(true);
  std::size_t keep = 0;  // results are summed so the work cannot be optimised away

  // Baselines: the same text written to a file with fwrite, and the same
  // lines drawn straight into a PDF with libharu (one font, 60 lines a page).
  const auto scratch = std::filesystem::temp_directory_path() / "meridian_bench_report.txt";
  double written = bestOfMilliseconds(5, [&] {
    FILE* out = std::fopen(scratch.c_str(), "wb");
    if (!out) return;
    for (const auto& line : plain) {
      std::fwrite(line.data(), 1, line.size(), out);
      std::fputc('\n', out);
    }
    keep += static_cast<std::size_t>(std::ftell(out));
    std::fclose(out);
  });
  std::filesystem::remove(scratch);
  double drawn = bestOfMilliseconds(3, [&] { keep += drawDirectly(plain); });

  double paginate = bestOfMilliseconds(5, [&] { keep += buildReport(styled)->pages.size(); });
  double html = bestOfMilliseconds(5, [&] { keep += suite::report::renderHtmlPages(*buildReport(styled)).size(); });
  double pdf = bestOfMilliseconds(3, [&] { keep += suite::report::renderPdf(*buildReport(styled)).size(); });

  report("report_10000_lines_parse_paginate vs fwrite", paginate, written);
  report("report_10000_lines_html vs fwrite", html, written);
  report("report_10000_lines_pdf vs fwrite", pdf, written);
  report("report_10000_lines_pdf vs libharu direct", pdf, drawn);

  // A PDF asked for again is the one kept with the report.
  suite::FinishedReport finished;
  auto writer = suite::standardReportWriters()([&](suite::FinishedReport f) { finished = std::move(f); });
  writer->WinModeReport = true;
  writer->NewReport();
  for (const auto& line : styled) writer->printtext(line);
  writer->showreport();
  double first = bestOfMilliseconds(1, [&] { keep += finished.pdf().size(); });
  double again = bestOfMilliseconds(5, [&] { keep += finished.pdf().size(); });
  report("report_10000_lines_pdf_asked_again vs first", again, first);
  std::printf("(checksum %zu)\n", keep);
}

}  // namespace meridian::bench
