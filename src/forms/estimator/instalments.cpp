#include "forms/estimator/instalments.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/dates.h"
#include "suite/tax/instalment_interest.h"

namespace meridian::forms::estimator {

using namespace std::chrono;

InstalmentDates defaultInstalmentDates(int y) {
  const year before{y - 1};
  return InstalmentDates{{before / June / 15, before / September / 15, before / December / 15, year{y} / March / 15}};
}

std::string formatDate(const year_month_day& d) { return formatDmy(d); }

std::optional<year_month_day> parseDate(const std::string& t) { return parseDmy(t); }

std::optional<InstalmentDates> instalmentDatesFromTexts(const std::array<std::string, kDueDates>& texts) {
  InstalmentDates out;
  for (int i = 0; i < kDueDates; ++i) {
    auto d = parseDate(texts[i]);
    if (!d) return std::nullopt;
    out.dates[i] = *d;
  }
  return out;
}

namespace {

std::string dayMonth(const year_month_day& d) { return formatDate(d).substr(0, 5); }

std::string periodLabel(int i, const InstalmentDates& dates) {
  if (i == 0) return "Upto " + dayMonth(dates.dates[0]);
  const auto from = year_month_day{sys_days{dates.dates[i - 1]} + days{1}};
  const std::string to = i < kDueDates ? dayMonth(dates.dates[i]) : std::string("31/03");
  return dayMonth(from) + " to " + to;
}

}  // namespace

NoAdvanceTax advanceTaxOwed(const EstimateInput& in, const YearRules& rules, int ageClass, Rupees taxAfterTds) {
  const bool business = in.businessOrdinary > 0 || in.businessSpeculation > 0;
  if (rules.seniorWithoutBusinessExempt && in.status == Status::Individual && ageClass >= 1 && !business)
    return NoAdvanceTax::seniorWithoutBusiness;
  if (taxAfterTds < rules.advanceTaxLimit) return NoAdvanceTax::belowLimit;
  return NoAdvanceTax::owed;
}

std::vector<InstalmentRow> instalmentGrid(const EstimateInput& in, const YearRules& rules, Rupees taxAfterTds,
                                          bool owed, const InstalmentDates& stored,
                                          const StateRelaxation* relaxation) {
  const Rupees t = owed ? std::max<Rupees>(0, taxAfterTds) : 0;
  const InstalmentSchedule& schedule = in.status == Status::Company ? rules.companySchedule : rules.othersSchedule;

  // The payment periods follow the dates as the department fixed them for
  // everyone; a relaxation moves only the date by which one instalment is judged.
  InstalmentDates periods = stored;
  std::array<year_month_day, kDueDates> dueDates = stored.dates;
  std::array<int, kDueDates> paidThrough{1, 2, 3, 4};
  if (relaxation) {
    const int k = relaxation->dueDateIndex;
    const bool move = !relaxation->onlyWhenStoredEarlier || stored.dates[k] < relaxation->movedTo;
    if (move) {
      dueDates[k] = relaxation->movedTo;
      paidThrough[k] = relaxation->paidThroughPeriods;
      // Where the later date closes a payment period of the form (the December
      // date in Tamil Nadu and Puducherry), the period moves with it.
      if (relaxation->paidThroughPeriods == k + 1) periods.dates[k] = relaxation->movedTo;
    }
  }

  std::vector<InstalmentRow> rows;
  Rupees cumulativeDueBefore = 0;
  for (int i = 0; i < kPaymentPeriods; ++i) {
    InstalmentRow row;
    row.period = periodLabel(i, periods);
    row.paid = in.advancePaid[i];
    if (i < kDueDates && static_cast<size_t>(i) < schedule.size()) {
      const params::InstalmentStep& step = schedule[static_cast<size_t>(i)];
      row.dueDate = dueDates[i];
      Rupees paidByDate = 0;
      for (int p = 0; p < paidThrough[i]; ++p) paidByDate += in.advancePaid[p];
      const meridian::tax::InstalmentInterest owed = meridian::tax::instalmentInterest(
          Money::rupees(t), Money::rupees(paidByDate), step, rules.interest234cMonthly, rules.interestRounding);
      const Rupees cumulativeDue = owed.cumulativeDue.wholeRupees();
      row.due = cumulativeDue - cumulativeDueBefore;
      cumulativeDueBefore = cumulativeDue;
      row.interest = owed.interest.wholeRupees();
    } else {
      row.dueDate = i < kDueDates ? dueDates[i] : year{in.year} / March / 31;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace meridian::forms::estimator
