#include "forms/estimator/age_class.h"

#include "suite/tax/age_class.h"

namespace meridian::forms::estimator {

using namespace std::chrono;

year_month_day ageReferenceDate(int y) { return meridian::tax::ageReferenceDate(y); }

int ageClass(const std::optional<year_month_day>& dob, const YearRules& rules) {
  return meridian::tax::ageClass(dob, rules.year, rules.seniorAge, rules.verySeniorAge);
}

}  // namespace meridian::forms::estimator
