#include "computation_bench.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_timer.h"
#include "suite/application.h"
#include "suite/computation/printout_document.h"
#include "suite/computation/printout_source.h"
#include "suite/heads/demo_heads.h"
#include "suite/report/make_report_writer.h"
#include "suite/report/text_renderer.h"

namespace meridian::bench {
namespace {

namespace comp = suite::computation;

void report(const char* what, double ms, double baseline) {
  std::printf("%s: %.2fx baseline (%.2f ms; baseline %.2f ms)\n", what, ms / baseline, ms, baseline);
}

// What the printouts below hold, line for line, written as plain lines.
void plainLines(int lines) {
  std::shared_ptr<const suite::report::PagedReport> paged;
  auto rep = suite::report::makeReportWriter([&](std::shared_ptr<const suite::report::PagedReport> p) { paged = p; });
  rep->WinModeReport = true;
  rep->NewReport();
  const std::string line(60, 'x');
  for (int i = 0; i < lines; ++i) rep->printtext(line);
  rep->showreport();
}

int lineCount(const suite::report::PagedReport& paged) {
  const std::string text = suite::report::renderText(paged);
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

}  // namespace

void runComputationBenchmarks() {
  const auto dir = std::filesystem::temp_directory_path() / "meridian_bench_computation";
  std::filesystem::remove_all(dir);
  suite::Application app({dir.string(), ""});
  {
    auto tx = app.conn().begin();
    suite::heads::seedDemoHeads(app.conn());
    tx.commit();
  }
  std::vector<std::string> clients;
  for (const auto& row : app.conn().query("SELECT code_no FROM income WHERE ass_year = 2016 ORDER BY code_no"))
    clients.push_back(row.text("code_no"));
  const auto options = comp::PrintoutOptions::read([](const std::string&) { return std::string(); });
  const auto printOne = [&](const std::string& client) {
    const auto data = comp::loadPrintoutData(app.conn(), {client, client, 2016, ""});
    return comp::paginatedPrintout(data, options, comp::PrintMode::computation);
  };

  const int oneLines = lineCount(*printOne("C0801"));
  const double one = bestOfMilliseconds(20, [&] { printOne("C0801"); });
  const double oneBaseline = bestOfMilliseconds(20, [&] { plainLines(oneLines); });
  report("computation_printout_1_year", one, oneBaseline);
  // The printing alone, the year already read and computed.
  const auto loaded = comp::loadPrintoutData(app.conn(), {"C0801", "C0801", 2016, ""});
  const double printing =
      bestOfMilliseconds(20, [&] { comp::paginatedPrintout(loaded, options, comp::PrintMode::computation); });
  report("computation_printout_1_year_printing_only", printing, oneBaseline);

  constexpr int kYears = 1000;
  int manyLines = 0;
  for (int i = 0; i < kYears; ++i) manyLines += lineCount(*printOne(clients[static_cast<std::size_t>(i) % clients.size()]));
  const double many = bestOfMilliseconds(2, [&] {
    for (int i = 0; i < kYears; ++i) printOne(clients[static_cast<std::size_t>(i) % clients.size()]);
  });
  const double manyBaseline = bestOfMilliseconds(2, [&] {
    for (int i = 0; i < kYears; ++i) plainLines(manyLines / kYears);
  });
  report("computation_printout_1000_years", many, manyBaseline);
  std::filesystem::remove_all(dir);
}

}  // namespace meridian::bench
