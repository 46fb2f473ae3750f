#include <functional>
#include <map>
#include <string>

#include "client_list_bench.h"
#include "compute_bench.h"
#include "data_set_bench.h"
#include "efile_bench.h"
#include "http_bench.h"
#include "computation_bench.h"
#include "report_bench.h"
#include "stored_years_bench.h"

// meridian_bench [report] [clients] [dataset] [compute] [efile] [efile-batch] [http] [http-steady]
// [computation] [stored-years]: every benchmark, or the ones named.
int main(int argc, char** argv) {
  const std::map<std::string, std::function<void()>> groups = {
      {"report", meridian::bench::runReportBenchmarks},   {"clients", meridian::bench::runClientListBenchmarks},
      {"dataset", meridian::bench::runDataSetBenchmarks}, {"compute", meridian::bench::runComputeBenchmarks},
      {"efile", meridian::bench::runEfileBenchmarks},     {"efile-batch", meridian::bench::runEfileBatchBenchmarks},
      {"http", meridian::bench::runHttpBenchmarks},
      {"http-steady", meridian::bench::runHttpSteadyState},
      {"computation", meridian::bench::runComputationBenchmarks},
      {"stored-years", meridian::bench::runStoredYearsBenchmarks}};
  for (const auto& [name, run] : groups) {
    // http-steady is part of http, efile-batch of efile, and stored-years takes
    // minutes: run on their own only when named.
    bool wanted = argc < 2 && name != "http-steady" && name != "efile-batch" && name != "stored-years";
    for (int i = 1; i < argc; ++i) wanted = wanted || name == argv[i];
    if (wanted) run();
  }
  return 0;
}
