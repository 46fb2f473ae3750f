// The chart's depreciation against a nil "Depreciation debited to P&L".
// The computation adds back what the books debit and deducts what the chart
// allows. Rows of a business entered before the screen had the column read
// nil, so a profit that already bears the books' depreciation would bear
// the chart's as well; nil may also be true (books that debit none). The
// practitioner is asked, before a business return, which it is.
#include "itr/check_list.h"
#include "suite/assets/depreciation.h"

namespace meridian::itr {

void depreciationDebitedCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (!isOneOf(r.form, {"ITR-4", "ITR-5", "ITR-6"})) return;
  const std::string what = "Depreciation debited to P&L";
  const Money allowed = suite::assets::depreciationChart(y.depreciationChart, y.year).depreciation();
  if (allowed.isZero() || y.businessesWithoutBooksDepreciation == 0) return c.pass(what);
  return c.ask(what,
               "Depreciation as per the Depreciation Chart is Rs. " + allowed.groupedRupees() +
                   ", but 'Depreciation debited to P&L' is nil for " +
                   std::to_string(y.businessesWithoutBooksDepreciation) +
                   " business(es) computed from accounts." + kTwoLines +
                   "The Chart's depreciation is deducted from the Net Profit as entered. If that Net Profit is "
                   "after the depreciation of the books, enter it in 'Depreciation debited to P&L' on the "
                   "Business screen, or depreciation is deducted twice." +
                   kTwoLines + "To Continue anyway, Click 'Yes'",
               "cmdproceed");
}

}  // namespace meridian::itr
