#include "stored_years_bench.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_timer.h"
#include "suite/application.h"
#include "suite/heads/demo_year.h"
#include "suite/year_computation.h"

namespace meridian::bench {
namespace {

constexpr std::size_t kYears = 10'000;

struct StoredYear {
  std::string client;
  int year;
};

// 2,500 salaried people with four years each (A.Y. 2013-14 to 2016-17)
// entered head by head as the screens keep them: pay and its tax deducted,
// interest, savings u/s 80C, and for some a let-out flat on a loan or a
// business of their own.
std::vector<StoredYear> seedYears(db::Connection &conn) {
  constexpr int kPeople = static_cast<int>(kYears) / 4;
  std::vector<StoredYear> out;
  auto tx = conn.begin();
  for (int n = 1; n <= kPeople; ++n) {
    char code[8], pan[11], tan[11];
    std::snprintf(code, sizeof code, "Y%05d", n);
    std::snprintf(pan, sizeof pan, "AB%cP%c%04d%c", 'A' + n % 26, 'A' + n / 26 % 26, n % 10000, 'A' + n % 23);
    std::snprintf(tan, sizeof tan, "BLRE%05d%c", n % 100000, 'A' + n % 26);
    suite::heads::addDemoPerson(conn, {code,
                                       "ASHA",
                                       "",
                                       "RAO",
                                       "VENKAT",
                                       n % 2 ? "FEMALE" : "MALE",
                                       "14/08/1978",
                                       pan,
                                       {"12", "MG ROAD", "JP NAGAR", "BENGALURU", "KARNATAKA", 560078}});
    for (int year = 2013; year <= 2016; ++year) {
      const long long pay = 300000 + (n * 7919LL + year * 104729LL) % 1500000;
      const std::string yearEnd = "31/03/" + std::to_string(year);
      suite::heads::DemoYear y(conn, code, year);
      y.employer("JP NAGAR TECHNOLOGIES PVT LTD", tan, "OTH", "BENGALURU", "KARNATAKA", pay, 0, 2400)
          .receipt("INT", "FIXED DEPOSITS", 10000 + n % 90000)
          .claim("80C", "PUBLIC PROVIDENT FUND", 20000 + n % 130000)
          .tds("192", "JP NAGAR TECHNOLOGIES PVT LTD", tan, yearEnd.c_str(), pay, pay / 10, 1);
      if (n % 3 == 0)
        y.house("FLAT 5, BANER", "PUNE", "MAHARASHTRA", "411045", "Y", 100, 120000 + n % 100000, 6000, 150000,
                "2012-02-14");
      if (n % 5 == 0) y.business("RAO TRADERS", "B", 2000000, 0, 150000 + n % 200000);
      out.push_back({code, year});
    }
  }
  tx.commit();
  return out;
}

void report(const char *what, double ms, double baseline) {
  std::printf(
      "%s: %.2fx reading them alone (%.0f ms, %.2f ms a year; baseline "
      "%.0f ms)\n",
      what, ms / baseline, ms, ms / static_cast<double>(kYears), baseline);
}

}  // namespace

void runStoredYearsBenchmarks() {
  const auto dir = std::filesystem::path(MERIDIAN_BENCH_WORK_DIR) / "stored_years";
  std::filesystem::remove_all(dir);
  suite::Application app({dir.string(), ""});
  const auto years = seedYears(app.conn());

  long long keep = 0;  // results are summed so the work cannot be optimised away
  std::size_t refused = 0;
  const auto load = [&](const StoredYear &y) {
    return suite::loadYearFromDatabase(app.conn(), y.client, y.client, y.year);
  };
  // One pass untimed first, so that neither side pays for warming the
  // database's pages and the statements' caches.
  for (const auto& y : years) keep += static_cast<long long>(load(y).input.salaries.size());
  const double reading = bestOfMilliseconds(2, [&] {
    for (const auto &y : years) keep += static_cast<long long>(load(y).input.salaries.size());
  });
  const double computing = bestOfMilliseconds(2, [&] {
    refused = 0;
    for (const auto &y : years) try {
        keep += suite::computeLoadedYear(y.client, y.year, load(y)).result.balance.inPaise();
      } catch (const std::exception &) {
        ++refused;
      }
  });
  std::size_t unwritten = 0;
  const double writing = bestOfMilliseconds(1, [&] {
    for (const auto &y : years) try {
        suite::writeResultRows(app.conn(), suite::computeLoadedYear(y.client, y.year, load(y)));
      } catch (const std::exception &) {
        ++unwritten;
      }
  });
  std::printf("(%zu stored client years; %zu refused by the engine, %zu not written)\n", years.size(), refused,
              unwritten);
  report("stored_years_10000_computed", computing, reading);
  report("stored_years_10000_computed_and_written", writing, reading);
  if (keep == 42) std::printf("\n");
  std::filesystem::remove_all(dir);
}

}  // namespace meridian::bench
