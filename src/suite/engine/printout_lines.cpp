#include "suite/engine/printout_lines.h"

#include <algorithm>

namespace meridian::engine {
namespace {

class Lines {
 public:
  void title(const char* caption) { out_.push_back({caption, Money(), true}); }
  void add(std::string caption, Money amount) {
    const Money r = amount.roundedToRupee();
    if (!r.isZero()) out_.push_back({std::move(caption), r, false});
  }
  std::vector<PrintoutLine> take() { return std::move(out_); }

 private:
  std::vector<PrintoutLine> out_;
};

}  // namespace

std::vector<PrintoutLine> estimatedComputationLines(const YearResult& r, const ResultContext& c) {
  Lines l;
  const IncomePots& h = r.heads;
  const CapitalGainFigures& g = r.capitalGains;
  l.title("COMPUTATION OF ESTIMATED TOTAL INCOME");
  l.add("Income From Salaries", h.salary);
  l.add("Income From House Property", h.houseProperty);
  l.add("Income From Business or Profession (other than Speculative Business)", h.business);
  l.add("Income From Business or Profession (Speculative Business)", std::max(Money(), h.speculation));
  l.add("Income From Capital Gain (Short-term) (u/s 111A)", g.stcg111a);
  l.add("Income From Capital Gain (Short-term) (Others)", g.stcgOther);
  l.add("Income From Capital Gain (Long-term)", g.ltcgIndexed + g.ltcgWithoutIndexation);
  l.add("Income From Other Sources", h.otherSourcesWhole());
  // The incomes of the heads; their losses appear as set off below.
  Money total;
  for (Money m : {h.salary, h.houseProperty, h.business, h.speculation, h.otherSources, h.stcgOther, h.ltcgIndexed,
                  h.stcg111a, h.ltcgWithoutIndexation})
    total += std::max(Money(), m);
  total += h.apart.total();
  l.add("Total", total);
  l.add("Losses of Current Year Set Off", r.setOff.currentYearSetOff);
  const Money balance = r.setOff.afterCurrentYear.total();
  l.add("Balance After Set Off Current Year Losses", balance);
  l.add("Brought Forward Losses to be Set Off", r.setOff.broughtForwardSetOff);
  l.add("Gross Total Income", r.grossTotalIncome);
  l.add("Less: Deductions u/s 10A/10AA", c.vDedUs10A_AA);
  l.add("Less: Deductions under Chapter VI-A", r.deductionsTotal);
  l.add("Total Income", r.totalIncome);
  l.add("Losses of Current Year to be Carried Forward", r.setOff.currentYearCarried());
  if (r.alternate.kind == AlternateKind::mat) l.add("Deemed Total Income u/s 115JB", r.alternate.base);
  if (r.alternate.kind == AlternateKind::amt) l.add("Adjusted Total Income u/s 115JC", r.alternate.base);

  l.title("COMPUTATION OF TAX LIABILITY ON ESTIMATED TOTAL INCOME");
  const bool mat = r.alternate.kind == AlternateKind::mat;
  if (r.alternate.kind != AlternateKind::none) {
    l.add(mat ? "Tax on Deemed Total Income u/s 115JB" : "Tax on Adjusted Total Income u/s 115JC", r.alternate.tax);
    l.add("Surcharge", r.alternate.surcharge);
    l.add("Education Cess", r.alternate.educationCess);
    l.add("Secondary and Higher Education Cess", r.alternate.sheCess);
    l.add("Gross Tax Liability", r.alternate.total());
    l.add("Tax Payable on Total Income (at Normal Rates)", r.tax.liability());
    l.add("Gross Tax Payable (higher of above)", r.grossTaxPayable);
    l.add(mat ? "Credit u/s 115JAA of Tax Paid in Earlier Years" : "Credit u/s 115JD of Tax Paid in Earlier Years",
          r.alternate.creditUsed);
    l.add(mat ? "Tax Payable after Credit u/s 115JAA" : "Tax Payable after Credit u/s 115JD", r.taxAfterCredit);
  } else {
    l.add("Tax Payable on Total Income (at Normal Rates)", r.tax.taxNormal);
    l.add("Tax Payable on Total Income (at Special Rates)", r.tax.taxSpecial);
    l.add("Tax Payable on Total Income", r.tax.tax());
    l.add("Less: Rebate u/s 87A", r.tax.rebate87a);
    l.add("Less: Rebate u/s 110 on Share from AOP/BOI", r.tax.rebate110);
    l.add("Balance Tax Payable", r.tax.tax() - r.tax.rebate87a - r.tax.rebate110);
    l.add("Surcharge", r.tax.surcharge);
    l.add("Education Cess", r.tax.educationCess);
    l.add("Secondary and Higher Education Cess", r.tax.sheCess);
    l.add("Gross Tax Liability", r.tax.liability());
    l.add("Credit u/s 115JAA of Tax Paid in Earlier Years", r.alternate.creditUsed);
  }
  l.add("Tax Relief u/s 89", r.relief89);
  l.add("Tax Relief u/s 90", r.relief90);
  l.add("Tax Relief u/s 91", r.relief91);
  l.add("Total Tax Relief", r.relief());
  l.add("Net Tax Liability", r.netTax);
  l.add("Interest Payable u/s 234A", r.interest.s234a);
  l.add("Interest Payable u/s 234B", r.interest.s234b);
  l.add("Interest Payable u/s 234C", r.interest.s234c);
  l.add("Total Interest Payable", r.interest.total());
  l.add("Aggregate Liability", r.netTax + r.interest.total());
  l.add("Advance Tax Paid", r.advanceTax);
  l.add("Tax Deducted at Source", r.tds);
  l.add("Tax Collected at Source", r.tcs);
  l.add("Self Assessment Tax Paid", r.selfAssessmentTax);
  l.add("Total Taxes Paid", r.taxesPaid());
  l.add(r.balance < Money() ? "Tax Refundable" : "Tax Payable", r.balance < Money() ? -r.balance : r.balance);
  return l.take();
}

}  // namespace meridian::engine
