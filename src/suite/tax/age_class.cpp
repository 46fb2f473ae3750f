#include "suite/tax/age_class.h"

namespace meridian::tax {

using namespace std::chrono;

year_month_day ageReferenceDate(int y) { return year{y} / April / 1; }

namespace {
// True when the birthday of `age` falls on or before `when`. A birthday on
// 29 February of a common year sits between 28 February and 1 March, which is
// where ordering the (year, month, day) fields puts it.
bool reached(const year_month_day& dob, int age, const year_month_day& when) {
  const year_month_day birthday{dob.year() + years{age}, dob.month(), dob.day()};
  return birthday <= when;
}
}  // namespace

int ageClass(const std::optional<year_month_day>& dob, int y, int seniorAge, int verySeniorAge) {
  if (!dob) return 0;
  const auto when = ageReferenceDate(y);
  if (verySeniorAge > 0 && reached(*dob, verySeniorAge, when)) return 2;
  if (reached(*dob, seniorAge, when)) return 1;
  return 0;
}

}  // namespace meridian::tax
