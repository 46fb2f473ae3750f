#include <algorithm>

#include "suite/engine/heads.h"
#include "suite/tax/rupee_rate.h"

namespace meridian::engine {
namespace {

// The client's share of a figure of a co-owned house (s.26), to the paisa.
Money shareOf(Money amount, int percent) { return amount.atRate(percent * 100); }

}  // namespace

std::vector<HouseFigures> housesOf(const std::vector<HouseInput>& in, const YearLaw& law) {
  std::vector<HouseFigures> out;
  // s.24(b): the interest of self-occupied houses together is capped, at the
  // lower figure for capital borrowed before 1 April 1999 and at the higher in
  // all, in the order the houses are given.
  Money oldLoanRoom = law.selfOccupiedCapOldLoan;
  Money room = law.selfOccupiedCap;
  for (const HouseInput& h : in) {
    HouseFigures f;
    f.use = h.use;
    const int share = h.sharePercent;
    f.interestClaimed = shareOf(h.interest, share);
    if (h.use == HouseUse::selfOccupied) {
      // s.23(2): the annual value of a house the owner lives in is nil.
      Money allowed = std::min(f.interestClaimed, room);
      if (h.loanBefore1999) allowed = std::min(allowed, oldLoanRoom);
      if (h.loanBefore1999) oldLoanRoom -= allowed;
      room -= allowed;
      f.interestAllowed = allowed;
    } else {
      // s.23(1), Rule 4: rent less rent that could not be realised; less
      // municipal taxes paid by the owner; 30 % of what is left (s.24(a)).
      f.annualValue = shareOf(std::max(Money(), h.rent - h.unrealisedRent), share);
      f.municipalTax = shareOf(h.municipalTax, share);
      f.netAnnualValue = f.annualValue - f.municipalTax;
      if (f.netAnnualValue > Money()) f.standardDeduction = tax::rupeesAtRate(f.netAnnualValue, law.hpStandardDeduction);
      f.interestAllowed = f.interestClaimed;
    }
    f.income = f.netAnnualValue - f.standardDeduction - f.interestAllowed;
    out.push_back(f);
  }
  return out;
}

}  // namespace meridian::engine
