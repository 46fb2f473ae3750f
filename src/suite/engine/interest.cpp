#include "suite/engine/interest.h"

#include <algorithm>

#include "suite/engine/instalment_tax.h"
#include "suite/tax/instalment_interest.h"
#include "suite/tax/rupee_rate.h"

namespace meridian::engine {
namespace {

using namespace std::chrono;

Money paidUpTo(const std::vector<DatedPayment>& payments, const CivilDate& date) {
  Money m;
  for (const auto& p : payments)
    if (p.date <= date) m += p.amount;
  return m;
}

Money totalOf(const std::vector<DatedPayment>& payments) {
  Money m;
  for (const auto& p : payments) m += p.amount;
  return m;
}

// s.207(2): a resident individual of the senior age without business income
// owes no advance tax; s.208: nor does anyone whose tax after TDS and TCS is
// below the limit.
AdvanceTaxOwed advanceTaxOwed(const YearInput& in, const YearLaw& law, const InterestBase& b) {
  const bool residentIndividual = in.status == Status::individual && in.residence != Residence::nonResident;
  if (law.seniorWithoutBusinessExempt && residentIndividual && b.ageClass >= 1 && !b.businessIncome)
    return AdvanceTaxOwed::seniorWithoutBusiness;
  const Money assessed = b.netTax - in.taxesPaid.tds - in.taxesPaid.tcs;
  return assessed < law.advanceTaxLimit ? AdvanceTaxOwed::belowLimit : AdvanceTaxOwed::owed;
}

CivilDate returnDate(const YearInput& in) { return in.filingDate.value_or(in.dueDate.value_or(defaultDueDate(in))); }

// s.234A: on the tax left after advance tax, TDS, TCS and the self-assessment
// tax paid by the due date, from the day after the due date to the return.
// An extension of the due date moves it unless the order kept s.234A out.
Money interest234a(const YearInput& in, const YearLaw& law, const InterestBase& b, int& months,
                   std::vector<InterestPeriod>& working) {
  const CivilDate due = in.dueDateFor234a.value_or(in.dueDate.value_or(defaultDueDate(in)));
  Money selfAssessed;
  switch (in.selfAssessmentForInterest.for234a) {
    case SelfAssessment234a::byDueDate: selfAssessed = paidUpTo(in.taxesPaid.selfAssessment, due); break;
    case SelfAssessment234a::allBeforeReturn: selfAssessed = paidUpTo(in.taxesPaid.selfAssessment, returnDate(in)); break;
    case SelfAssessment234a::none: break;
  }
  const Money left =
      b.netTax - in.taxesPaid.tds - in.taxesPaid.tcs - totalOf(in.taxesPaid.advance) - selfAssessed;
  const CivilDate from = year_month_day{sys_days{due} + days{1}};
  months = monthsCounted(from, returnDate(in));
  const Money on = tax::roundedDownForInterest(left, law.interestRounding);
  const Money interest = tax::rupeesAtRate(on, law.interest234a * months);
  if (!interest.isZero()) working.push_back({from, returnDate(in), on, months, law.interest234a, interest});
  return interest;
}

// s.234B: when advance tax paid is below the year's share of the assessed tax,
// on the shortfall from 1 April of the A.Y. to the return; after each
// self-assessment payment, on the shortfall it leaves (s.234B(2)).
Money interest234b(const YearInput& in, const YearLaw& law, const InterestBase& b, int& months,
                   std::vector<InterestPeriod>& working) {
  const Money assessed = b.netTax - in.taxesPaid.tds - in.taxesPaid.tcs;
  const Money advance = totalOf(in.taxesPaid.advance);
  months = 0;
  if (assessed <= Money() || advance >= tax::rupeesAtRate(assessed, law.paidShare234b)) return Money();
  const CivilDate from = year{in.year} / April / 1;
  const CivilDate to = returnDate(in);
  std::vector<DatedPayment> payments;
  if (in.selfAssessmentForInterest.for234b)
    for (const auto& p : in.taxesPaid.selfAssessment)
      if (p.date <= to) payments.push_back(p);
  std::stable_sort(payments.begin(), payments.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
  Money shortfall = assessed - advance;
  Money interest;
  int monthsBefore = 0;
  CivilDate stretchFrom = from;
  // Each stretch runs on the shortfall left at its start, up to the next
  // payment of self-assessment tax or the return.
  const auto charge = [&](const CivilDate& until, int monthsHere) {
    const Money on = tax::roundedDownForInterest(shortfall, law.interestRounding);
    const Money part = tax::rupeesAtRate(on, law.interest234b * monthsHere);
    if (!part.isZero()) working.push_back({stretchFrom, until, on, monthsHere, law.interest234b, part});
    interest += part;
  };
  for (const auto& p : payments) {
    const int m = monthsCounted(from, p.date);
    charge(p.date, m - monthsBefore);
    monthsBefore = std::max(monthsBefore, m);
    shortfall -= p.amount;
    stretchFrom = p.date;
  }
  months = monthsCounted(from, to);
  charge(to, std::max(0, months - monthsBefore));
  return interest;
}

// s.211(1): a company's instalments, those of one who declares income u/s
// 44AD (the whole by 15 March from A.Y. 2017-18), and everyone else's.
const params::InstalmentSchedule& scheduleOf(const YearInput& in, const YearLaw& law, const InterestBase& b) {
  if (in.status == Status::company) return law.companySchedule;
  return b.presumptive44ad ? law.presumptive44adSchedule : law.othersSchedule;
}

// Proviso to s.234C(1): income it reaches that arose after an instalment's
// date is left out of it only when the whole tax on that income was paid as
// part of the instalments that fell due after it arose, or by 31 March of the
// previous year when none did. So for the instalment's own date and each
// later one, the advance tax paid after that date up to 31 March must reach
// the tax on what arose after it (the year's tax less the tax without it),
// less the tax deducted on those winnings, which no advance tax need cover
// (s.209(1)(d)).
bool provisoReaches(const YearInput& in, const InterestBase& b, const std::array<CivilDate, 4>& dates, size_t i) {
  if (!b.instalmentTax) return false;
  const CivilDate endOfPreviousYear = year{in.year} / March / 31;
  const Money paidInYear = paidUpTo(in.taxesPaid.advance, endOfPreviousYear);
  for (size_t k = i; k < dates.size(); ++k) {
    const Money taxOnLaterIncome = b.netTax - (*b.instalmentTax)[k] - winningsTdsArisingAfter(in, k);
    if (taxOnLaterIncome <= Money()) continue;
    if (paidInYear - paidUpTo(in.taxesPaid.advance, dates[k]) < taxOnLaterIncome) return false;
  }
  return true;
}

// s.234C: each instalment's shortfall on the tax due on the returned income,
// that tax without the income arising after the instalment's date where the
// proviso to s.234C(1) reaches it. The Explanation to s.234C(1), clause (i),
// takes off the tax deducted or collected on income "taken into account in
// computing such total income": where later winnings are left out, so is the
// tax deducted on them.
std::vector<InstalmentFigures> instalments234c(const YearInput& in, const YearLaw& law, const InterestBase& b,
                                               bool owed) {
  const auto& schedule = scheduleOf(in, law, b);
  const auto dates = in.instalmentDates.value_or(statutoryInstalmentDates(in.year));
  const auto dueOn = [&](size_t i) {
    const bool proviso = provisoReaches(in, b, dates, i);
    const Money tax = proviso ? (*b.instalmentTax)[i] : b.netTax;
    const Money leftOutTds = proviso ? winningsTdsArisingAfter(in, i) : Money();
    return owed ? std::max(Money(), tax - (in.taxesPaid.tds - leftOutTds) - in.taxesPaid.tcs) : Money();
  };
  std::vector<InstalmentFigures> rows;
  Money dueBefore, paidBefore;
  for (size_t i = 0; i < dates.size() && i < schedule.size(); ++i) {
    InstalmentFigures row;
    row.dueDate = dates[i];
    row.paidByDate = paidUpTo(in.taxesPaid.advance, dates[i]);
    row.paid = row.paidByDate - paidBefore;
    const auto owedHere = tax::instalmentInterest(dueOn(i), row.paidByDate, schedule[i], law.interest234c,
                                                  law.interestRounding);
    row.cumulativeDue = owedHere.cumulativeDue;
    row.due = row.cumulativeDue - dueBefore;
    row.interest = owed ? owedHere.interest : Money();
    if (!row.interest.isZero()) {
      row.interestOn = owedHere.interestOn;
      row.months = owedHere.months;
      row.monthlyRate = law.interest234c;
    }
    dueBefore = row.cumulativeDue;
    paidBefore = row.paidByDate;
    rows.push_back(row);
  }
  return rows;
}

Money chosen(const InterestOption& o, Money computed) {
  switch (o.choice) {
    case InterestChoice::charge:
      return computed;
    case InterestChoice::none:
      return Money();
    case InterestChoice::byHand:
      return o.byHand.roundedToRupee();
  }
  return computed;
}

}  // namespace

int monthsCounted(const CivilDate& from, const CivilDate& to) {
  if (to < from) return 0;
  const int months = (static_cast<int>(to.year()) - static_cast<int>(from.year())) * 12 +
                     (static_cast<int>(static_cast<unsigned>(to.month())) -
                      static_cast<int>(static_cast<unsigned>(from.month())));
  return months + (to.day() >= from.day() ? 1 : 0);
}

InterestFigures interestOn(const YearInput& in, const YearLaw& law, const InterestBase& base) {
  InterestFigures f;
  f.owed = advanceTaxOwed(in, law, base);
  const bool owed = f.owed == AdvanceTaxOwed::owed;
  f.s234a = chosen(in.interest[0], interest234a(in, law, base, f.months234a, f.working234a));
  f.s234b = chosen(in.interest[1], owed ? interest234b(in, law, base, f.months234b, f.working234b) : Money());
  f.instalments = instalments234c(in, law, base, owed);
  Money c;
  for (const auto& row : f.instalments) c += row.interest;
  f.s234c = chosen(in.interest[2], c);
  return f;
}

}  // namespace meridian::engine
