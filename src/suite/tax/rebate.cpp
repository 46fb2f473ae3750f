#include "suite/tax/rebate.h"

#include <algorithm>

namespace meridian::tax {
namespace {

bool claims(const Rebate& r, const Claimant& c) {
  if (!c.residentIndividual) return false;
  switch (r.who) {
    case Rebate::Who::individual:
      return true;
    case Rebate::Who::senior:
      return c.ageClass >= 1;
    case Rebate::Who::womanBelowSeniorAge:
      return c.female && c.ageClass == 0;
  }
  return false;
}

}  // namespace

RebateGiven rebates(const std::vector<Rebate>& inOrder, const Claimant& who, Money totalIncome, Money tax) {
  RebateGiven out;
  for (const Rebate& r : inOrder) {
    const Money left = tax - out.amount;
    if (left <= Money()) break;
    if (!claims(r, who) || (r.incomeLimit > Money() && totalIncome > r.incomeLimit)) continue;
    out.amount += r.max > Money() ? std::min(left, r.max) : left;
    out.sections += (out.sections.empty() ? "" : " and ") + std::string(r.section);
  }
  return out;
}

}  // namespace meridian::tax
