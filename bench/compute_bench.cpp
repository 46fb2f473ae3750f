#include "compute_bench.h"

#include <cstdio>
#include <vector>

#include "bench_timer.h"
#include "suite/engine/compute_year.h"

namespace meridian::bench {
namespace {

using engine::YearInput;

constexpr int kYears = 10'000;

// Client years of every status and computed year, with the heads, losses,
// deductions and payments a practice's clients commonly have.
std::vector<YearInput> buildInputs() {
  std::vector<YearInput> out;
  out.reserve(kYears);
  const engine::Status statuses[] = {engine::Status::individual, engine::Status::huf, engine::Status::firm,
                                     engine::Status::company, engine::Status::aopBoi, engine::Status::cooperative};
  for (int i = 0; i < kYears; ++i) {
    YearInput in;
    in.year = 2013 + i % 5;
    in.status = statuses[i % 6];
    const auto r = [i](std::int64_t base, int step) { return Money::rupees(base + (i * step) % 100000); };
    if (in.status == engine::Status::individual) in.salaries.push_back({r(400000, 37), r(20000, 7), {}, {}, {}, Money::rupees(2500)});
    in.houses.push_back({engine::HouseUse::letOut, r(120000, 13), {}, Money::rupees(6000), r(80000, 11), false, 100});
    in.business.netProfit = r(150000, 53) - Money::rupees(i % 7 == 0 ? 400000 : 0);
    in.capitalGains.stcg111a = r(10000, 3);
    in.otherSources.savingsInterest = r(5000, 1);
    in.otherSources.otherInterest = r(30000, 17);
    in.lossesBroughtForward.push_back({engine::LossKind::business, in.year - 3, r(20000, 5)});
    in.deductions.claimed["80C"] = r(90000, 29);
    in.deductions.claimed["80D"] = Money::rupees(20000);
    in.bookProfit = r(500000, 41);
    in.taxesPaid.tds = r(15000, 19);
    in.taxesPaid.advance.push_back({std::chrono::year{in.year} / std::chrono::March / 10, r(10000, 23)});
    in.filingDate = std::chrono::year{in.year} / std::chrono::September / 30;
    out.push_back(std::move(in));
  }
  return out;
}

}  // namespace

void runComputeBenchmarks() {
  std::int64_t keep = 0;  // results are summed so the work cannot be optimised away
  const double building = bestOfMilliseconds(3, [&] { keep += static_cast<std::int64_t>(buildInputs().size()); });
  const double computing = bestOfMilliseconds(3, [&] {
    for (const YearInput& in : buildInputs()) keep += engine::computeYear(in).balance.inPaise();
  });
  std::printf("compute 10,000 client years: %.1fx building their input records (%.2f ms; baseline %.2f ms)\n",
              computing / building, computing, building);
  if (keep == 42) std::printf("\n");
}

}  // namespace meridian::bench
