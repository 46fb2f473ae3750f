#include "suite/engine/year_input.h"

namespace meridian::engine {

using namespace std::chrono;

CivilDate defaultDueDate(const YearInput& in) {
  return in.status == Status::company ? year{in.year} / September / 30 : year{in.year} / July / 31;
}

std::array<CivilDate, 4> statutoryInstalmentDates(int y) {
  const year before{y - 1};
  return {before / June / 15, before / September / 15, before / December / 15, year{y} / March / 15};
}

bool isIndividual(Status s) { return s == Status::individual; }

bool onIndividualScale(Status s) { return s == Status::individual || s == Status::huf || s == Status::aopBoi; }

}  // namespace meridian::engine
