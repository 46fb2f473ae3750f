#include "client_list_bench.h"
#include "compute_bench.h"
#include "report_bench.h"

int main() {
  meridian::bench::runReportBenchmarks();
  meridian::bench::runClientListBenchmarks();
  meridian::bench::runComputeBenchmarks();
  return 0;
}
