#include "suite/engine/alternate_tax.h"

#include <algorithm>

#include "suite/engine/tax_on_income.h"
#include "suite/tax/rupee_rate.h"
#include "suite/tax/surcharge.h"

namespace meridian::engine {
namespace {

// Which alternate tax reaches the person, and on what.
void chooseKind(const YearInput& in, const YearLaw& law, Money totalIncome, Money addedBack, AlternateTaxFigures& f) {
  if (in.status == Status::company) {
    f.kind = AlternateKind::mat;
    f.base = std::max(Money(), in.bookProfit);
    return;
  }
  // s.115JEE: a person other than a company who claims a deduction of Part C
  // (80P excepted) or u/s 10AA; an individual, HUF, AOP or BOI only above the
  // limit of adjusted total income (s.115JEE(2)).
  if (!law.amtForNonCompany || addedBack <= Money()) return;
  const Money adjusted = totalIncome + addedBack;
  if (onIndividualScale(in.status) && adjusted <= law.amtIndividualLimit) return;
  f.kind = AlternateKind::amt;
  f.base = adjusted;
}

}  // namespace

AlternateTaxFigures alternateTax(const YearInput& in, const YearLaw& law, Money totalIncome, Money addedBack,
                                 Money regular) {
  AlternateTaxFigures f;
  chooseKind(in, law, totalIncome, addedBack, f);
  if (f.kind != AlternateKind::none && f.base > Money()) {
    const params::BasisPoints rate = f.kind == AlternateKind::mat ? law.matRate : law.amtRate;
    f.tax = tax::rupeesAtRate(f.base, rate);
    f.surcharge = tax::surchargeWithRelief(f.base, f.tax, surchargeBandsOf(in.status, law),
                                           [rate](Money i) { return tax::rupeesAtRate(i, rate); });
    addCesses(f.tax + f.surcharge, law, f.educationCess, f.sheCess);
    f.payable = f.total() > regular;
  }

  // ss.115JAA(3A), 115JD(4): a credit is set off in the years that follow up
  // to the limit; ss.115JAA(4), 115JD(5): only in a year whose tax on total
  // income exceeds the alternate tax, and only by the excess. Oldest first.
  const int years = in.status == Status::company ? law.matCreditYears : law.amtCreditYears;
  std::vector<TaxCredit> credits;
  for (const TaxCredit& c : in.taxCreditsBroughtForward) {
    if (c.amount <= Money() || c.year >= in.year) continue;
    if (in.year - c.year > years) {
      f.creditLapsed += c.amount;
      continue;
    }
    f.creditBroughtForward += c.amount;
    credits.push_back(c);
  }
  std::stable_sort(credits.begin(), credits.end(), [](const auto& a, const auto& b) { return a.year < b.year; });
  Money room = f.payable ? Money() : regular - (f.kind == AlternateKind::none ? Money() : f.total());
  for (TaxCredit& c : credits) {
    const Money used = std::min(std::max(Money(), room), c.amount);
    c.amount -= used;
    room -= used;
    f.creditUsed += used;
    if (c.amount <= Money()) continue;
    if (in.year + 1 - c.year <= years)
      f.creditsCarried.push_back(c);
    else
      f.creditLapsed += c.amount;
  }
  if (f.payable) {
    f.creditArisen = f.total() - regular;
    f.creditsCarried.push_back({in.year, f.creditArisen});
  }
  return f;
}

}  // namespace meridian::engine
