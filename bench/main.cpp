#include <cstring>

#include "client_list_bench.h"
#include "compute_bench.h"
#include "data_set_bench.h"
#include "efile_bench.h"
#include "report_bench.h"

// meridian_bench [report|clients|dataset|compute|efile]: every benchmark, or the one named.
int main(int argc, char** argv) {
  auto chosen = [&](const char* name) { return argc < 2 || std::strcmp(argv[1], name) == 0; };
  if (chosen("report")) meridian::bench::runReportBenchmarks();
  if (chosen("clients")) meridian::bench::runClientListBenchmarks();
  if (chosen("dataset")) meridian::bench::runDataSetBenchmarks();
  if (chosen("compute")) meridian::bench::runComputeBenchmarks();
  if (chosen("efile")) meridian::bench::runEfileBenchmarks();
  return 0;
}
