#include "forms/estimator/estimate.h"

#include <numeric>
#include <stdexcept>

#include "forms/estimator/age_class.h"
#include "forms/estimator/aggregation.h"
#include "forms/estimator/estimator_rates.h"
#include "forms/estimator/instalments.h"
#include "forms/estimator/required_income.h"
#include "forms/estimator/tax_computation.h"

namespace meridian::forms::estimator {
namespace {

// s.207(2): a resident senior citizen without business income pays no advance
// tax; the first year of the rule is A.Y. 2013-14.
constexpr int kSeniorExemptionFrom = 2013;

const StateRelaxation* claimedRelaxation(const EstimateInput& in) {
  return in.resAssInState ? stateRelaxationFor(in.year) : nullptr;
}

}  // namespace

std::optional<std::string> noLiabilityMessage(const EstimateInput& in, Rupees totalTax) {
  const YearRates* r = ratesFor(in.year);
  if (!r) return std::nullopt;
  const bool business = in.businessOrdinary > 0 || in.businessSpeculation > 0;
  if (in.status == Status::Individual && in.year >= kSeniorExemptionFrom && ageClass(in.dob, *r) >= 1 && !business) {
    return std::string("No Liability for Payment of Advance Tax to an Individual Resident in India, who -\n") +
           "    (a) does not have any income chargeable under the head \"Profits & gains of business or "
           "profession\"; and\n" +
           "    (b) is of the age of sixty years or more at any time during the previous year.";
  }
  if (totalTax <= r->advanceTaxLimit)
    return "There is no Advance Tax Liability. Tax amount is below Rs. " + std::to_string(r->advanceTaxLimit) + ".";
  return std::nullopt;
}

std::string rebateCaption(Rupees rebate) { return "After Rebate u/s 87A of Rs. " + std::to_string(rebate); }

CheckBoxView compTaxRateCheckBox(int year, Status status) {
  const YearRates* r = ratesFor(year);
  if (!r || status != Status::Company || r->companyReducedRate == 0) return {};
  return {true, "Total Turnover / Gross Receipt in the previous year 2014-15 does not exceed Rs. 5 Crore"};
}

CheckBoxView resAssInStateCheckBox(int year) {
  const StateRelaxation* s = stateRelaxationFor(year);
  if (!s) return {};
  return {true, s->caption};
}

std::string bookProfitCaption(Status status) {
  return status == Status::Company ? "Book Profit for MAT Calculation" : "Adjusted Total Income for AMT Calculation";
}

std::vector<std::string> estimatorYearList() { return assessmentYearTexts(); }

EstimateResult estimate(const EstimateInput& in, const InstalmentDates& dates) {
  const YearRates* rates = ratesFor(in.year);
  if (!rates) throw std::invalid_argument("assessment year outside the estimator's list");

  const int cls = in.status == Status::Individual ? ageClass(in.dob, *rates) : 0;
  const TaxCase taxCase = makeTaxCase(in, *rates, cls);
  const Incomes unrounded = aggregateBeforeRounding(in);
  const Incomes incomes = roundTotal(unrounded);
  const TaxFigures f = computeTax(taxCase, incomes, in.bookProfit);

  EstimateResult out;
  out.totalIncome = incomes.total();
  out.tax = f.tax;
  out.rebate87A = f.rebate87A;
  out.surcharge = f.surcharge;
  out.educationCess = f.educationCess;
  out.sheCess = f.sheCess;
  out.totalTax = f.totalTax;
  out.matApplied = f.matApplied;

  out.instalments = instalmentGrid(in, *rates, f.totalTax - in.tds, dates, claimedRelaxation(in));
  for (const auto& row : out.instalments) out.interest234C += row.interest;
  const Rupees advance = std::accumulate(in.advancePaid.begin(), in.advancePaid.end(), Rupees{0});
  out.payable = out.totalTax + out.interest234C - in.tds - advance;

  out.noLiabilityMessage = noLiabilityMessage(in, out.totalTax);
  if (in.desiredTax) out.requiredIncome = requiredIncome(taxCase, unrounded, in.bookProfit, *in.desiredTax);
  return out;
}

}  // namespace meridian::forms::estimator
