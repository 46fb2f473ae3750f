#pragma once
#include <ostream>
#include <sstream>
// Helpers shared by the computation tests: amounts in rupees, a blank year,
// and a year computed through the command's JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "common/dates.h"
#include "suite/engine/compute_json.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/year_law.h"

namespace meridian {
// Amounts in failure messages as rupees and paise.
inline void PrintTo(const Money& m, std::ostream* os) { *os << m.text(); }
}  // namespace meridian

namespace meridian::engine::testing {

inline Money rs(std::int64_t r) { return Money::rupees(r); }

inline YearInput blankYear(int year, Status status = Status::individual) {
  YearInput in;
  in.year = year;
  in.status = status;
  return in;
}

// Income 10 lakh in 2016-17: tax 1,25,000 + 3 % cess = 1,28,750; TDS
// 1,00,000 leaves 28,750, filed on 15 November against a due date of 31 July.
inline YearInput lateFiler() {
  YearInput in = blankYear(2016);
  in.otherSources.otherInterest = rs(1000000);
  in.taxesPaid.tds = rs(100000);
  in.dueDate = parseDmy("31/07/2016");
  in.filingDate = parseDmy("15/11/2016");
  return in;
}

inline const YearLaw& law(int year) { return *lawOf(year); }

// The command's output for one JSON object; a refusal fails the test.
inline nlohmann::json computedJson(const char* input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = runComputeJson(in, out, err);
  EXPECT_EQ(code, 0) << err.str();
  return nlohmann::json::parse(out.str());
}

}  // namespace meridian::engine::testing
