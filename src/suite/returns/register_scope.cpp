#include "suite/returns/register_scope.h"

#include "common/text.h"

namespace meridian::returns {

CivilDate RegisterScope::lowerBound() const {
  const host::Date rev = host.returnCtx().vRev_Dt.get();
  if (rev) return *rev;
  return CivilDate{std::chrono::year{year}, std::chrono::April, std::chrono::day{1}};
}

TypedDate typedDate(const std::string& text) {
  const std::string t = trimmed(text);
  if (isBlankDateBox(t)) return {};
  TypedDate d{parseDmy(t)};
  d.malformed = !d.date;
  return d;
}

void offerDateOfComputation(RegisterScope& s, const std::string& dataSet, const std::string& filingDate) {
  const std::string old =
      s.conn().scalar("SELECT dt_tax_det FROM income WHERE code_no = ? AND ass_year = ?", {dataSet, s.year});
  if (old.empty() || old == "todate" || old == filingDate || filingDate.empty()) return;
  if (!s.dialogs.yesNo("Do you want to change Date of Computation " + old + " with " + filingDate, "Confirmation"))
    return;
  s.conn().execute("UPDATE income SET dt_tax_det = ? WHERE code_no = ? AND ass_year = ?", {filingDate, dataSet, s.year});
}

}  // namespace meridian::returns
