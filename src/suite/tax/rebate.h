#pragma once
// Rebates of Chapter VIII-A: who may claim each, the total income up to which
// it is given and its largest amount.
#include <string>
#include <vector>

#include "common/money.h"

namespace meridian::tax {

struct Rebate {
  enum class Who { individual, senior, womanBelowSeniorAge };
  const char* section;
  Who who;
  Money incomeLimit;  // 0: any total income
  Money max;          // 0: the whole tax
};

// The person claiming: the rebates of these sections reach resident
// individuals only (ss.87A, 88B, 88C, 88D).
struct Claimant {
  bool residentIndividual = false;
  int ageClass = 0;  // 0 below the senior age, 1 senior, 2 very senior
  bool female = false;
};

struct RebateGiven {
  Money amount;
  std::string sections;  // "87A", "88B and 88D"; empty without a rebate
};

// The rebates the claimant may have on `tax`, in the order given (the Act's),
// none above the tax still left.
RebateGiven rebates(const std::vector<Rebate>& inOrder, const Claimant& who, Money totalIncome, Money tax);

}  // namespace meridian::tax
