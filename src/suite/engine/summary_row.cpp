#include "suite/engine/summary_row.h"

#include <algorithm>

namespace meridian::engine {

SummaryRow summaryRowOf(const YearResult& r, const ResultContext& c) {
  const IncomePots& h = r.heads;
  const CapitalGainFigures& g = r.capitalGains;
  const Money taxPayable = c.vTot_ITTAX - c.vRebt_Tot + c.vSurcharge;
  SummaryRow a{};
  a[0] = h.salary;
  a[1] = h.houseProperty;
  a[2] = h.business + std::max(Money(), h.speculation);
  a[3] = g.stcg111a + g.stcgOther;
  a[4] = g.ltcgIndexed + g.ltcgWithoutIndexation;
  a[5] = h.otherSourcesWhole();
  a[6] = r.grossTotalIncome;
  // Deductions from the gross total income: ss.10A/10AA and Chapter VI-A,
  // so that the column leads from the gross total to the total income.
  a[7] = r.exportDeductions.total + r.deductionsTotal;
  a[8] = r.totalIncome;
  a[9] = r.agricultural;
  a[10] = c.vRebt_Tot;
  a[11] = c.vSurcharge;
  a[12] = taxPayable;
  a[13] = c.vTotRelief;
  a[14] = r.netTax;
  a[15] = c.Vtot_adv_tax;
  a[16] = c.vINT_Payable;
  a[17] = c.vtot_self_tax;
  a[18] = std::max(Money(), r.balance);
  a[19] = std::max(Money(), -r.balance);
  for (Money& m : a) m = m.roundedToRupee();
  return a;
}

}  // namespace meridian::engine
