#include "forms/estimator/estimate.h"

#include <numeric>
#include <stdexcept>

#include "forms/estimator/age_class.h"
#include "forms/estimator/aggregation.h"
#include "forms/estimator/year_rules.h"
#include "forms/estimator/instalments.h"
#include "forms/estimator/required_income.h"
#include "forms/estimator/tax_computation.h"

namespace meridian::forms::estimator {
namespace {

const StateRelaxation* claimedRelaxation(const EstimateInput& in) {
  return in.resAssInState ? stateRelaxationFor(in.year) : nullptr;
}

std::optional<std::string> noLiabilityMessage(NoAdvanceTax why, const YearRules& r) {
  switch (why) {
    case NoAdvanceTax::seniorWithoutBusiness:
      return std::string("No Liability for Payment of Advance Tax to an Individual Resident in India, who -\n") +
             "    (a) does not have any income chargeable under the head \"Profits & gains of business or "
             "profession\"; and\n" +
             "    (b) is of the age of sixty years or more at any time during the previous year.";
    case NoAdvanceTax::belowLimit:
      return "There is no Advance Tax Liability. Tax amount is below Rs. " + std::to_string(r.advanceTaxLimit) + ".";
    case NoAdvanceTax::owed:
      break;
  }
  return std::nullopt;
}

}  // namespace

std::string rebateCaption(const std::string& sections, Rupees rebate) {
  return "After Rebate u/s " + sections + " of Rs. " + std::to_string(rebate);
}

CheckBoxView compTaxRateCheckBox(int year, Status status) {
  const YearRules* r = rulesFor(year);
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
  const YearRules* rules = rulesFor(in.year);
  if (!rules) throw std::invalid_argument("assessment year outside the estimator's list");

  const int cls = in.status == Status::Individual ? ageClass(in.dob, *rules) : 0;
  const TaxCase taxCase = makeTaxCase(in, *rules, cls);
  const Incomes unrounded = aggregateBeforeRounding(in, *rules);
  const Incomes incomes = roundTotal(unrounded);
  const TaxFigures f = computeTax(taxCase, incomes, in.bookProfit);

  EstimateResult out;
  out.totalIncome = incomes.total();
  out.tax = f.tax;
  out.rebate = f.rebate.amount;
  out.rebateSections = f.rebate.sections;
  out.surcharge = f.surcharge;
  out.educationCess = f.educationCess;
  out.sheCess = f.sheCess;
  out.totalTax = f.totalTax;
  out.matApplied = f.matApplied;

  const Rupees taxAfterTds = f.totalTax - in.tds;
  const NoAdvanceTax owed = advanceTaxOwed(in, *rules, cls, taxAfterTds);
  out.instalments =
      instalmentGrid(in, *rules, taxAfterTds, owed == NoAdvanceTax::owed, dates, claimedRelaxation(in));
  for (const auto& row : out.instalments) out.interest234C += row.interest;
  const Rupees advance = std::accumulate(in.advancePaid.begin(), in.advancePaid.end(), Rupees{0});
  out.payable = out.totalTax + out.interest234C - in.tds - advance;

  out.noLiabilityMessage = noLiabilityMessage(owed, *rules);
  if (in.desiredTax) out.requiredIncome = requiredIncome(taxCase, unrounded, in.bookProfit, *in.desiredTax);
  return out;
}

}  // namespace meridian::forms::estimator
