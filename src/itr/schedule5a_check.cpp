// Schedule 5A against the form: the heads the form has no column for, and
// no spouse's share above the income (or the TDS) it is a share of.
#include "itr/check_list.h"

namespace meridian::itr {

namespace {
constexpr int kFirstYearOfSchedule5A = 2014;  // the forms carry Schedule 5A from A.Y. 2014-15
const std::string kIn5A = " in [Schedule 5A].";
}  // namespace

void schedule5ACheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (y.year < kFirstYearOfSchedule5A || !isOneOf(r.form, {"ITR-1", "ITR-2", "ITR-2A", "ITR-3", "ITR-4", "ITR-4S"}))
    return;
  const std::string what = "Schedule 5A";
  if (y.missingTables.count("incsec5a"))
    return c.notExamined(what, "Schedule 5A (table incsec5a) is not kept here.");
  if (!y.schedule5A) return;
  const auto& s = *y.schedule5A;
  const bool shown = [&] {
    for (const auto* a : {&s.houseProperty, &s.business, &s.capitalGains, &s.otherSources, &s.tds})
      if (!a->received.isZero() || !a->spouse.isZero()) return true;
    return false;
  }();
  if (!shown) return;
  // ITR-2 and ITR-2A have no business head; ITR-2A no capital gains either.
  if (isOneOf(r.form, {"ITR-2", "ITR-2A"}) && (!s.business.received.isZero() || !s.business.spouse.isZero()))
    return c.stop(what, "Amount can not be shown in column [Business or Profession]" + kIn5A, "cmdproceed");
  if (r.form == "ITR-2A") {
    if (!s.capitalGains.received.isZero())
      return c.stop(what, "Amount can not be shown in column \"Income received under the head\" [Capital Gain]" + kIn5A,
                    "cmdproceed");
    if (!s.capitalGains.spouse.isZero())
      return c.stop(what,
                    "Amount can not be shown in column \"Amount apportioned in the hands of the spouse\" [Capital Gain]" +
                        kIn5A,
                    "cmdproceed");
  }
  const std::pair<const ReturnYear::Apportioned*, const char*> heads[] = {{&s.houseProperty, "House Property"},
                                                                          {&s.business, "Business or Profession"},
                                                                          {&s.capitalGains, "Capital Gains"},
                                                                          {&s.otherSources, "Other Sources"}};
  for (const auto& [a, head] : heads)
    if (a->spouse > a->received)
      return c.stop(what,
                    "\"Amount apportioned in the hands of the spouse\" should be <= \"Income received under the head\" [" +
                        std::string(head) + "]" + kIn5A,
                    "cmdproceed");
  if (s.tds.spouse > s.tds.received)
    return c.stop(what,
                  "\"TDS apportioned in the hands of the spouse\" should be <= \"Amount of TDS deducted on income\"" +
                      kIn5A,
                  "cmdproceed");
  c.pass(what);
}

}  // namespace meridian::itr
