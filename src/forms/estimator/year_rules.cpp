#include "forms/estimator/year_rules.h"

#include <algorithm>
#include <array>

#include "common/years.h"
#include "suite/year_params/year_params.h"

namespace meridian::forms::estimator {
namespace {

using namespace std::chrono;
namespace key = params::key;

YearRules read(const params::YearParams& p, int y) {
  YearRules r;
  r.year = y;
  r.seniorAge = p.count(key::seniorAge, y);
  r.verySeniorAge = p.count(key::verySeniorAge, y);
  r.general = p.scale(key::slabGeneral, y);
  r.woman = p.scale(key::slabWoman, y);
  r.senior = p.scale(key::slabSenior, y);
  r.verySenior = p.scale(key::slabVerySenior, y);
  r.cooperative = p.scale(key::slabCooperative, y);
  r.firmRate = p.rate(key::firmRate, y);
  r.companyRate = p.rate(key::companyRate, y);
  r.companyReducedRate = p.rate(key::companySmallRate, y);
  r.agriculturalFloor = p.amount(key::agriculturalFloor, y);
  r.ltcgRate = p.rate(key::ltcgRate, y);
  r.stcg111aRate = p.rate(key::stcg111aRate, y);
  r.casualRate = p.rate(key::casualRate, y);

  // The order of Chapter VIII-A: ss.88B and 88C before s.88D, which takes
  // whatever tax is left; s.87A stands alone in its years.
  using W = Rebate::Who;
  const auto rs = [](params::Amount a) { return Money::rupees(a); };
  if (auto m = p.amount(key::rebate88bMax, y)) r.rebates.push_back({"88B", W::senior, Money(), rs(m)});
  if (auto m = p.amount(key::rebate88cMax, y)) r.rebates.push_back({"88C", W::womanBelowSeniorAge, Money(), rs(m)});
  if (auto l = p.amount(key::rebate88dIncomeLimit, y)) r.rebates.push_back({"88D", W::individual, rs(l), Money()});
  if (auto l = p.amount(key::rebate87aIncomeLimit, y))
    r.rebates.push_back({"87A", W::individual, rs(l), rs(p.amount(key::rebate87aMax, y))});

  r.surchargeIndividualHuf = p.surcharge(key::surchargeIndividualHuf, y);
  r.surchargeCooperative = p.surcharge(key::surchargeCooperative, y);
  r.surchargeFirm = p.surcharge(key::surchargeFirm, y);
  r.surchargeCompany = p.surcharge(key::surchargeCompany, y);
  r.educationCess = p.rate(key::educationCess, y);
  r.sheCess = p.rate(key::sheCess, y);
  r.matRate = p.rate(key::matRate, y);
  r.amtForNonCompany = p.flag(key::amtApplies, y);
  r.amtRate = p.rate(key::amtRate, y);
  r.amtIndividualLimit = p.amount(key::amtIndividualLimit, y);
  r.advanceTaxLimit = p.amount(key::advanceTaxLimit, y);
  r.seniorWithoutBusinessExempt = p.flag(key::seniorWithoutBusinessExempt, y);
  r.companySchedule = p.schedule(key::scheduleCompany, y);
  r.othersSchedule = p.schedule(key::scheduleOthers, y);
  r.interest234cMonthly = p.rate(key::interest234cMonthly, y);
  r.interestRounding = p.amount(key::interestRounding, y);
  r.hpStandardDeduction = p.rate(key::hpStandardDeduction, y);
  r.familyPensionCap = p.amount(key::familyPensionCap, y);
  r.minorChildExemption = p.amount(key::minorChildExemption, y);
  return r;
}

const std::vector<YearRules>& allYears() {
  static const std::vector<YearRules> years = [] {
    const auto& p = params::YearParams::shipped();
    std::vector<YearRules> out;
    for (int y = params::kFirstYear; y <= params::kLatestYear; ++y) out.push_back(read(p, y));
    return out;
  }();
  return years;
}

// The September 2014 floods in Jammu and Kashmir and the December 2015 floods in
// Tamil Nadu and Puducherry: the department extended one instalment's due date
// for assessees of those places by orders u/s 119.
const StateRelaxation kRelaxations[] = {
    {2015, "Assessee in the State of Jammu && Kashmir", 1, year{2014} / December / 15, false, 3,
     "Press release of 18-09-2014, order u/s 119 of the Income-tax Act, 1961"},
    {2016, "Assessee in the State of Tamil Nadu or Union territory of Puducherry", 2, year{2015} / December / 31, true,
     3, "Press release of 15-12-2015, order u/s 119 of the Income-tax Act, 1961"},
};

}  // namespace

const YearRules* rulesFor(int y) {
  if (y < params::kFirstYear || y > params::kLatestYear) return nullptr;
  return &allYears()[static_cast<size_t>(y - params::kFirstYear)];
}

std::vector<int> supportedYears() {
  std::vector<int> out;
  for (int y = params::kFirstYear; y <= params::kLatestYear; ++y) out.push_back(y);
  return out;
}

std::vector<std::string> assessmentYearTexts() {
  std::vector<std::string> out;
  for (int y : supportedYears()) out.push_back(assessmentYearText(y));
  return out;
}

const StateRelaxation* stateRelaxationFor(int y) {
  auto it = std::find_if(std::begin(kRelaxations), std::end(kRelaxations),
                         [y](const StateRelaxation& r) { return r.year == y; });
  return it == std::end(kRelaxations) ? nullptr : &*it;
}

}  // namespace meridian::forms::estimator
