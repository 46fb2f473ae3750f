// ITR-7: a business held under trust. Where the income of the undertaking
// as the Act computes it exceeds the income shown in its accounts, the
// excess is deemed applied to purposes other than the trust's and is
// chargeable (s.11(4)); the figure entered in the application of funds must
// be that excess.
#include "itr/check_list.h"

namespace meridian::itr {
namespace {

constexpr int kFirstYear = 2013;

}  // namespace

void trustBusinessCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-7" || y.year < kFirstYear) return;
  const std::string what = "Income u/s 11(4)";
  if (y.missingTables.count("appfund"))
    return c.notExamined(what, "The application of funds of the trust (table appfund) is not kept here.");
  if (!y.result) return c.notExamined(what, "The business income is not known: " + y.computationNote);
  const Money computed = y.result->business.ordinary + y.result->business.speculation;
  const Money inAccounts = y.trustBusiness ? y.trustBusiness->inAccounts : Money();
  const Money excess = computed > inAccounts ? computed - inAccounts : Money();
  const Money entered = y.trustBusiness ? y.trustBusiness->chargeable : Money();
  if (excess.wholeRupees() != entered.wholeRupees())
    return c.stop(what, "Income chargeable u/s 11(4) as per Business & Application of Fund does not match !",
                  "cmdproceed");
  c.pass(what);
}

}  // namespace meridian::itr
