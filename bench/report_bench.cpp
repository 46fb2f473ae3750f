#include "report_bench.h"

#include <cstdio>
#include <string>
#include <vector>

#include "bench_timer.h"
#include "suite/report/html_renderer.h"
#include "suite/report/make_report_writer.h"
#include "suite/report/pdf_renderer.h"

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

void report(const char* name, double milliseconds, double baseline) {
  std::printf("%s: %.1fx baseline (%.2f ms; baseline %.3f ms)\n", name, milliseconds / baseline, milliseconds,
              baseline);
}

}  // namespace

void runReportBenchmarks() {
  const std::vector<std::string> plain = reportLines(false);
  const std::vector<std::string> styled = reportLines(true);
  std::size_t keep = 0;  // results are summed so the work cannot be optimised away

  // The string keeps its capacity between runs, so the baseline is the
  // copying of the text and not the operating system handing out pages.
  std::string text;
  double baseline = bestOfMilliseconds(50, [&] {
    text.clear();
    for (const auto& line : plain) text.append(line).push_back('\n');
    keep += text.size();
  });
  double paginate = bestOfMilliseconds(5, [&] { keep += buildReport(styled)->pages.size(); });
  double html = bestOfMilliseconds(5, [&] { keep += suite::report::renderHtmlPages(*buildReport(styled)).size(); });
  double pdf = bestOfMilliseconds(3, [&] { keep += suite::report::renderPdf(*buildReport(styled)).size(); });

  report("report_10000_lines_parse_paginate", paginate, baseline);
  report("report_10000_lines_html", html, baseline);
  report("report_10000_lines_pdf", pdf, baseline);
  std::printf("(checksum %zu)\n", keep);
}

}  // namespace meridian::bench
