// A company's distributions before ITR-6: each must say whether it is a
// dividend or a buy-back, as the form's Schedule DDT/BBS parts them, and the
// tax paid on each is compared with the tax due at the rates of its date.
#include <algorithm>

#include "itr/check_list.h"
#include "itr/distribution_tax.h"

namespace meridian::itr {

namespace {

constexpr int kFirstYearOfSchedule = 2014;  // Schedule DDT/BBS of ITR-6 from A.Y. 2014-15

bool companyInIndia(const ReturnYear& y) { return y.statusCode == "PVT" || y.statusCode == "PUB"; }

std::optional<DistributionKind> kindOf(const std::string& flag) {
  if (flag == "N") return DistributionKind::dividend;
  if (flag == "Y") return DistributionKind::buyBack;
  return std::nullopt;
}

}  // namespace

void distributionKindCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-6" || !companyInIndia(y) || y.distributions.empty()) return;
  const std::string what = "Kind of each distribution";
  for (const auto& d : y.distributions)
    if (!kindOf(d.kind))
      return c.stop(what, "Fill Details as per New Form ITR-6 in General Info -> Schedule-DDT/BBS.", "cmdproceed");
  c.pass(what);
}

void distributionChecks(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-6" || !companyInIndia(y) || y.year < kFirstYearOfSchedule) return;
  const std::string what = "Tax on distributed profits";
  if (y.missingTables.count("geninfo_schj") || y.missingTables.count("dist_tax"))
    return c.notExamined(what, "The distributions of Schedule DDT/BBS and the tax paid on them (tables geninfo_schj, "
                               "dist_tax) are not kept here.");
  for (const auto& d : y.distributions) {
    const auto kind = kindOf(d.kind);
    if (!kind) continue;  // told by the check of the kind
    // A buy-back distributes what is paid beyond what the shares were issued for.
    const Money base = *kind == DistributionKind::buyBack ? std::max(Money(), d.amount - d.received) : d.amount;
    const auto due = d.date ? distributionTaxDue(*kind, *d.date, base) : std::nullopt;
    if (!due) {
      c.notExamined(what, std::string("The tax due on distribution ") + std::to_string(d.serial) + " could not be worked " +
                              (d.date ? "out: no rate is kept for its date " + formatDmy(*d.date)
                                      : "out: it has no date") + " (data/distribution_tax.csv).");
      continue;
    }
    if (d.taxPaid < *due)
      return c.ask(what,
                   std::string("Balance Tax Payable on '") + distributionWords(*kind) + "' is Rs. " +
                       (*due - d.taxPaid).rupeesText() + kTwoLines + "Do you really want to generate the return ?",
                   "cmdproceed");
  }
  c.pass(what);
}

}  // namespace meridian::itr
