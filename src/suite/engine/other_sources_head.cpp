#include <algorithm>

#include "suite/engine/clubbed_income.h"
#include "suite/engine/heads.h"

namespace meridian::engine {
namespace {

// s.115BBDA(1): a resident individual, HUF or firm (an LLP is a firm, s.2(23))
// is taxed on the dividends from domestic companies above the threshold; the
// rest stays exempt u/s 10(34).
Money dividendsCharged115bbda(const YearInput& in, const YearLaw& law) {
  if (law.dividend115bbdaRate == 0 || in.residence == Residence::nonResident) return Money();
  const bool reached = (in.status == Status::individual && law.dividend115bbdaIndividual) ||
                       (in.status == Status::huf && law.dividend115bbdaHuf) ||
                       ((in.status == Status::firm || in.status == Status::llp) && law.dividend115bbdaFirm);
  if (!reached) return Money();
  return std::max(Money(), in.otherSources.dividendDomestic - law.dividend115bbdaThreshold);
}

}  // namespace

OtherSourceFigures otherSourcesOf(const YearInput& in, const YearLaw& law) {
  const OtherSourcesInput& o = in.otherSources;
  OtherSourceFigures f;
  f.interest = o.savingsInterest + o.otherInterest;
  f.dividend = o.dividendTaxable;
  f.familyPension = o.familyPension;
  // s.57(iia): a third of family pension, at most the year's cap.
  const Money third = Money::paise(o.familyPension.inPaise() / 3).roundedToRupee();
  f.familyPensionDeduction = std::min(third, law.familyPensionCap);
  // Income of others included that was computed under this head, less the
  // part of the exemption of s.10(32) taken off it.
  const ClubbedFigures clubbed = clubbedIncomeOf(in.clubbed, law);
  f.clubbed = clubbed.grossOf(ClubbedHead::otherSources);
  f.clubbedExemption = clubbed.exemptOf(ClubbedHead::otherSources);
  f.other = o.other + in.passThrough.otherSources;  // ss.115UA(3), 115UB(1)
  f.apart.winnings = o.winnings;
  f.apart.dividends115bbda = dividendsCharged115bbda(in, law);
  f.raceHorses = o.raceHorses;
  // s.115BBE: unexplained income is charged at its own rate from A.Y.
  // 2013-14; before, it was income at the normal rates like any other.
  if (law.unexplained115bbeRate > 0)
    f.apart.unexplained115bbe = o.unexplained115bbe;
  f.normal = f.interest + f.dividend + f.familyPension - f.familyPensionDeduction + f.clubbed -
             f.clubbedExemption + f.other + std::max(Money(), f.raceHorses) +
             (law.unexplained115bbeRate > 0 ? Money() : o.unexplained115bbe);
  return f;
}

}  // namespace meridian::engine
