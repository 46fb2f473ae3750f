#pragma once
// One house as the house-property screen and the year's loader both read it,
// and the computation's record of it.
#include <optional>
#include <string>

#include "common/dates.h"
#include "common/money.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

struct HouseFigures {
  std::string use;  // the return's code: Y let out, D deemed let out, N self-occupied
  int sharePercent = 100;
  Money rent, unrealisedRent, municipalTax, interest;
  std::optional<CivilDate> loanDate;
};

// Interest on capital borrowed before 1 April 1999 keeps the lower limit for a
// self-occupied house (second proviso to s.24(b)).
inline bool borrowedBefore1999(const std::optional<CivilDate>& d) {
  using namespace std::chrono;
  return d && *d < year{1999} / April / 1;
}

inline engine::HouseInput houseInputOf(const HouseFigures& h) {
  engine::HouseInput in;
  in.use = h.use == "N"   ? engine::HouseUse::selfOccupied
           : h.use == "D" ? engine::HouseUse::deemedLetOut
                          : engine::HouseUse::letOut;
  in.rent = h.rent;
  in.unrealisedRent = h.unrealisedRent;
  in.municipalTax = h.municipalTax;
  in.interest = h.interest;
  in.loanBefore1999 = borrowedBefore1999(h.loanDate);
  in.sharePercent = h.sharePercent <= 0 ? 100 : h.sharePercent;
  return in;
}

}  // namespace meridian::suite::heads
