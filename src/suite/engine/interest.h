#pragma once
// Interest for default in furnishing the return (s.234A), in payment of
// advance tax (s.234B) and for deferment of its instalments (s.234C), each
// charged, left out or taken as typed by the year's options.
#include <array>
#include <optional>

#include "suite/engine/year_law.h"
#include "suite/engine/year_result.h"

namespace meridian::engine {

// Months from `from` to `to`, both days counted, a part of a month counting as
// a whole month (Rule 119A(a)); 0 when `to` is before `from`.
int monthsCounted(const CivilDate& from, const CivilDate& to);

struct InterestBase {
  Money netTax;  // tax after relief and credit
  int ageClass = 0;
  bool businessIncome = false;
  // The net tax each instalment of s.234C is worked on; none: `netTax` for all.
  std::optional<std::array<Money, 4>> instalmentTax;
  bool presumptive44ad = false;  // income declared u/s 44AD (s.211(1)(b))
};

InterestFigures interestOn(const YearInput& in, const YearLaw& law, const InterestBase& base);

}  // namespace meridian::engine
