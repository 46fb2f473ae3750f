#include <algorithm>

#include "suite/engine/heads.h"
#include "suite/engine/member_share.h"
#include "suite/tax/rupee_rate.h"

namespace meridian::engine {
namespace {

// ss.44AD and 44ADA reach a resident individual, HUF or firm, not an LLP
// (s.44AD, Explanation (b); s.44ADA(1)).
bool presumptiveEligible(const YearInput& in) {
  const bool person = in.status == Status::individual || in.status == Status::huf || in.status == Status::firm;
  return person && in.residence != Residence::nonResident;
}

// s.44AD: the year's rate of turnover (a lower rate on turnover received
// through banks from A.Y. 2017-18), or the higher income declared.
Money presumptive44ad(const YearInput& in, const YearLaw& law, bool& applied) {
  const auto& p = in.business.presumptive44ad;
  applied = p.turnover > Money() && presumptiveEligible(in) && p.turnover <= law.p44adTurnoverLimit;
  if (!applied) return p.declared;
  const Money digital = std::min(p.digitalTurnover, p.turnover);
  const Money deemed = tax::rupeesAtRate(p.turnover - digital, law.p44adRate) +
                       tax::rupeesAtRate(digital, law.p44adDigitalRate);
  return std::max(deemed, p.declared);
}

// s.44ADA (from A.Y. 2017-18): half the gross receipts of a profession, or the
// higher income declared.
Money presumptive44ada(const YearInput& in, const YearLaw& law, bool& applied) {
  const auto& p = in.business.presumptive44ada;
  applied = p.receipts > Money() && law.p44adaRate > 0 && presumptiveEligible(in) &&
            p.receipts <= law.p44adaReceiptsLimit;
  if (!applied) return p.declared;
  return std::max(tax::rupeesAtRate(p.receipts, law.p44adaRate), p.declared);
}

// s.44AE: each goods carriage a sum per month or part of a month owned (a
// heavy vehicle by its weight from A.Y. 2017-18), or the higher income
// declared from it; only for an owner of no more than the limit of vehicles.
Money presumptive44ae(const YearInput& in, const YearLaw& law, bool& applied) {
  const auto& vehicles = in.business.presumptive44ae;
  applied = !vehicles.empty() && static_cast<int>(vehicles.size()) <= law.p44aeMaxVehicles;
  Money total;
  for (const GoodsCarriage& v : vehicles) {
    if (!applied) {
      total += v.declared;
      continue;
    }
    Money perMonth = v.heavy ? law.p44aeHeavyPerMonth : law.p44aeOtherPerMonth;
    if (v.heavy && law.p44aeHeavyPerTon > Money()) perMonth = law.p44aeHeavyPerTon * v.tons;
    total += std::max(perMonth * v.months, v.declared);
  }
  return total;
}

}  // namespace

BusinessFigures businessOf(const YearInput& in, const YearLaw& law) {
  BusinessFigures f;
  f.presumptive44ad = presumptive44ad(in, law, f.applied44ad);
  f.presumptive44ada = presumptive44ada(in, law, f.applied44ada);
  f.presumptive44ae = presumptive44ae(in, law, f.applied44ae);
  f.firmRemuneration = in.business.firmRemuneration;
  f.firmShareExempt = in.business.firmShareExempt;
  f.specified = in.business.specifiedBusiness;
  // s.32(1): the depreciation the books debit gives way to the depreciation
  // the Act allows on the blocks of assets.
  f.depreciationAllowed = in.business.depreciationAllowed;
  f.ordinary = in.business.netProfit + in.business.depreciationDebited - f.depreciationAllowed + f.firmRemuneration +
               f.presumptive44ad + f.presumptive44ada + f.presumptive44ae + std::max(Money(), f.specified) +
               memberSharesOf(in).included() - in.business.firstTimeLeftOut;
  f.speculation = in.business.speculation;
  return f;
}

}  // namespace meridian::engine
