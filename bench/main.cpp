#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "client_list_bench.h"
#include "http_bench.h"
#include "report_bench.h"

// Runs every group, or the groups named on the command line (report, clients, http).
int main(int argc, char** argv) {
  const std::map<std::string, std::function<void()>> groups = {
      {"report", meridian::bench::runReportBenchmarks},
      {"clients", meridian::bench::runClientListBenchmarks},
      {"http", meridian::bench::runHttpBenchmarks}};
  for (const auto& [name, run] : groups) {
    bool wanted = argc < 2;
    for (int i = 1; i < argc; ++i) wanted = wanted || name == argv[i];
    if (wanted) run();
  }
  return 0;
}
