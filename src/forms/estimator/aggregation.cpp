#include "forms/estimator/aggregation.h"

#include <algorithm>
#include <initializer_list>

namespace meridian::forms::estimator {
namespace {

// Sets `loss` off against the incomes in the order given, as far as it goes.
void setOff(Rupees loss, std::initializer_list<Rupees*> incomes) {
  for (Rupees* income : incomes) {
    if (loss <= 0) return;
    if (*income <= 0) continue;
    const Rupees used = std::min(*income, loss);
    *income -= used;
    loss -= used;
  }
}

}  // namespace

Incomes roundTotal(Incomes inc) {
  const Rupees total = inc.total();
  const Rupees rounded = roundedOffToNearest10(total);
  if (rounded == total) return inc;
  if (rounded == 0) {
    inc.normal = inc.ltcg = inc.stcg111a = inc.casual = 0;
    return inc;
  }
  const Rupees diff = rounded - total;
  for (Rupees* part : {&inc.normal, &inc.ltcg, &inc.stcg111a, &inc.casual}) {
    if (*part + diff >= 0 && (*part > 0 || diff > 0)) {
      *part += diff;
      return inc;
    }
  }
  // Every part is below the downward difference: fold all into the normal part.
  inc.normal = rounded - inc.ltcg - inc.stcg111a - inc.casual;
  return inc;
}

Incomes aggregateBeforeRounding(const EstimateInput& in, const YearRules& rules) {
  const Rupees annualValueLessStandard = in.hpLetOut - percentOf(in.hpLetOut, rules.hpStandardDeduction);
  Rupees houseProperty = annualValueLessStandard - in.hpDeductions - in.hpSelfOccupied;
  Rupees ordinary = in.businessOrdinary;
  Rupees speculation = in.businessSpeculation;
  Rupees ltcg = in.ltcg20;
  Rupees stcg111a = in.stcg111a;
  Rupees stcgOthers = in.stcgOthers;
  Rupees other = in.other;

  const Rupees pensionDeduction = std::min(divideRounded(in.familyPension, 3), rules.familyPensionCap);
  const Rupees familyPension = in.familyPension - pensionDeduction;
  // s.10(32) allows its amount for each minor child whose income is clubbed,
  // with no cap on the number of children.
  const Rupees minorExemption = std::min(in.minorIncome, rules.minorChildExemption * std::max(in.children, 0));
  const Rupees minor = in.minorIncome - minorExemption;

  // Brought-forward losses only meet income of the heads the Act allows:
  // house property against house property (s.71B); business loss against any
  // business, ordinary first (s.72); speculation loss only against speculation
  // (s.73); long-term loss only against long-term gain, short-term loss against
  // either gain, the gain at normal rates first as it bears the higher tax (s.74).
  setOff(in.bfHp, {&houseProperty});
  setOff(in.bfBusinessSpeculation, {&speculation});
  setOff(in.bfBusinessOrdinary, {&ordinary, &speculation});
  setOff(in.bfLtcg, {&ltcg});
  setOff(in.bfStcg, {&stcgOthers, &stcg111a, &ltcg});
  // Unabsorbed depreciation comes after the business losses (s.72(2)) and may
  // meet any head but salaries; casual income takes no set-off (s.58(4)).
  setOff(in.bfUnabsorbedDepreciation,
         {&ordinary, &speculation, &houseProperty, &other, &stcgOthers, &stcg111a, &ltcg});

  Incomes inc;
  inc.normal = in.salary + houseProperty + ordinary + speculation + stcgOthers + other + familyPension + minor;
  if (inc.normal < 0) {
    // A loss from house property of the year is set off against the other heads
    // (s.71), the incomes at special rates included; what is left is carried forward.
    Rupees loss = -inc.normal;
    inc.normal = 0;
    setOff(loss, {&stcg111a, &ltcg});
  }
  // Chapter VI-A deductions do not reach incomes at special rates (ss.111A,
  // 112, 115BB), so they stop at the income at normal rates.
  inc.normal -= std::min(in.deductionsVia, inc.normal);
  inc.ltcg = ltcg;
  inc.stcg111a = stcg111a;
  inc.casual = in.casual;
  inc.agricultural = in.agricultural;
  return inc;
}

Incomes aggregate(const EstimateInput& in, const YearRules& rules) {
  return roundTotal(aggregateBeforeRounding(in, rules));
}

Incomes withNormalIncome(Incomes unrounded, Rupees normal) {
  unrounded.normal = normal;
  return roundTotal(unrounded);
}

}  // namespace meridian::forms::estimator
