#include "suite/engine/instalment_tax.h"

#include <algorithm>

#include "suite/engine/compute_year.h"
#include "suite/engine/year_law.h"

namespace meridian::engine {
namespace {

// Takes what arose later out of the year's figure: only a gain is reduced,
// never past nil; a loss of the kind stays as it is.
void takeOut(Money& figure, Money later) {
  if (figure <= Money() || later <= Money()) return;
  figure -= std::min(figure, later);
}

// Whether the year's law lets the proviso leave out business income that
// arose for the first time (clause (c), from A.Y. 2017-18).
bool firstBusinessLeftOut(const YearInput& in) {
  const YearLaw* law = lawOf(in.year);
  return law && law->provisoFirstBusiness234c;
}

// Clause (d) reaches dividends only in a year that charges s.115BBDA.
bool dividendsLeftOut(const YearInput& in) {
  const YearLaw* law = lawOf(in.year);
  return law && law->dividend115bbdaRate > 0;
}

bool arisesAfter(const YearInput& in, std::size_t instalment) {
  const bool business = firstBusinessLeftOut(in);
  const bool dividends = dividendsLeftOut(in);
  for (std::size_t p = instalment + 1; p < kArisingPeriods; ++p) {
    const IncomeArising& a = in.arising[p];
    const CapitalGainsInput& g = a.capitalGains;
    if (g.stcg111a > Money() || g.stcgOther > Money() || g.ltcgIndexed > Money() ||
        g.ltcgWithoutIndexation > Money() || a.winnings > Money() || (business && a.businessFirstTime > Money()) || (dividends && a.dividendDomestic > Money()))
      return true;
  }
  return false;
}

}  // namespace

std::size_t arisingPeriodOf(const CivilDate& date, int year) {
  const auto dates = statutoryInstalmentDates(year);
  return static_cast<std::size_t>(std::count_if(dates.begin(), dates.end(), [&](const CivilDate& d) { return d < date; }));
}

YearInput withoutIncomeArisingAfter(const YearInput& in, std::size_t instalment) {
  IncomeArising later;
  for (std::size_t p = instalment + 1; p < kArisingPeriods; ++p) {
    const IncomeArising& a = in.arising[p];
    later.capitalGains.stcg111a += std::max(Money(), a.capitalGains.stcg111a);
    later.capitalGains.stcgOther += std::max(Money(), a.capitalGains.stcgOther);
    later.capitalGains.ltcgIndexed += std::max(Money(), a.capitalGains.ltcgIndexed);
    later.capitalGains.ltcgWithoutIndexation += std::max(Money(), a.capitalGains.ltcgWithoutIndexation);
    later.winnings += std::max(Money(), a.winnings);
    later.businessFirstTime += std::max(Money(), a.businessFirstTime);
    later.dividendDomestic += std::max(Money(), a.dividendDomestic);
  }
  YearInput out = in;
  takeOut(out.capitalGains.stcg111a, later.capitalGains.stcg111a);
  takeOut(out.capitalGains.stcgOther, later.capitalGains.stcgOther);
  takeOut(out.capitalGains.ltcgIndexed, later.capitalGains.ltcgIndexed);
  takeOut(out.capitalGains.ltcgWithoutIndexation, later.capitalGains.ltcgWithoutIndexation);
  takeOut(out.otherSources.winnings, later.winnings);
  // Clause (d): dividends arising later come out of the year's dividends, so
  // only what s.115BBDA charges on them leaves the tax (none before it).
  takeOut(out.otherSources.dividendDomestic, later.dividendDomestic);
  // Clause (c): the new business's income is whatever the head took of it,
  // net profit or presumptive income alike.
  if (firstBusinessLeftOut(in)) out.business.firstTimeLeftOut += later.businessFirstTime;
  out.arising = {};
  return out;
}

Money winningsTdsArisingAfter(const YearInput& in, std::size_t instalment) {
  Money tds;
  for (std::size_t p = instalment + 1; p < kArisingPeriods; ++p) tds += std::max(Money(), in.arising[p].winningsTds);
  return tds;
}

std::array<Money, 4> instalmentTaxes(const YearInput& in, Money netTax) {
  std::array<Money, 4> taxes;
  taxes.fill(netTax);
  for (std::size_t i = 0; i < taxes.size(); ++i)
    if (arisesAfter(in, i)) taxes[i] = netTaxOf(withoutIncomeArisingAfter(in, i)).netTax;
  return taxes;
}

}  // namespace meridian::engine
