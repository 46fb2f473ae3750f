#pragma once
#include <ostream>
// Helpers shared by the computation tests: amounts in rupees and a blank year.
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

inline const YearLaw& law(int year) { return *lawOf(year); }

}  // namespace meridian::engine::testing
