#include "report_bench.h"

int main() {
  meridian::bench::runReportBenchmarks();
  return 0;
}
