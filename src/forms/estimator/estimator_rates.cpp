#include "forms/estimator/estimator_rates.h"

#include <algorithm>

#include "common/years.h"

namespace meridian::forms::estimator {
namespace {

using namespace std::chrono;

constexpr Rupees kLakh = 100000;
constexpr Rupees kCrore = 10000000;

// Until A.Y. 2016-17 a non-corporate assessee paid advance tax in three
// instalments (September, December, March); companies always paid four.
// From A.Y. 2017-18 every assessee pays the four-instalment schedule, and the
// 12 % / 36 % margins of s.234C (as amended by the Finance Act, 2016) apply.
constexpr InstalmentSchedule kThreeInstalments{
    "Income-tax Act, 1961, s.211 and s.234C before the Finance Act, 2016",
    {{{0, 0, 0}, {3000, 0, 300}, {6000, 0, 300}, {10000, 0, 100}}}};
constexpr InstalmentSchedule kFourInstalments{
    "Income-tax Act, 1961, s.211 and s.234C as amended by the Finance Act, 2016",
    {{{1500, 1200, 300}, {4500, 3600, 300}, {7500, 0, 300}, {10000, 0, 100}}}};

constexpr SurchargeScale single(Rupees above, BasisPoints rate) { return {{{{above, rate}, {0, 0}}}, 1}; }
constexpr SurchargeScale company(BasisPoints overOneCrore, BasisPoints overTenCrore) {
  return {{{{kCrore, overOneCrore}, {10 * kCrore, overTenCrore}}}, 2};
}

// Rows in year order. Limits of the individual/HUF scale, surcharge and cess are
// those of Part I of the First Schedule of the Act named; the special rates, the
// rebate, MAT/AMT and the advance-tax limit are those of the Income-tax Act as it
// stood for the year (the amending Act is noted beside each change).
const YearRates kYears[] = {
    {.year = 2005, .financeAct = "Finance Act, 2005",
     .ageOnFirstApril = false, .seniorAge = 65, .verySeniorAge = 0,
     .exemptGeneral = 100000, .exemptWomen = 135000, .exemptSenior = 185000, .exemptVerySenior = 0,
     .slab2 = 150000, .slab2Senior = 185000, .slab3 = 250000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1000, .casualRate = 3000,  // s.111A: Finance (No. 2) Act, 2004
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 0,
     .matRate = 750, .amtForNonCompany = false,
     .advanceTaxLimit = 5000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2006, .financeAct = "Finance Act, 2006",
     .ageOnFirstApril = false, .seniorAge = 65, .verySeniorAge = 0,
     .exemptGeneral = 100000, .exemptWomen = 135000, .exemptSenior = 185000, .exemptVerySenior = 0,
     .slab2 = 150000, .slab2Senior = 185000, .slab3 = 250000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1000, .casualRate = 3000,
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 0,
     .matRate = 750, .amtForNonCompany = false,
     .advanceTaxLimit = 5000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2007, .financeAct = "Finance Act, 2007",
     .ageOnFirstApril = false, .seniorAge = 65, .verySeniorAge = 0,
     .exemptGeneral = 100000, .exemptWomen = 135000, .exemptSenior = 185000, .exemptVerySenior = 0,
     .slab2 = 150000, .slab2Senior = 185000, .slab3 = 250000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1000, .casualRate = 3000,
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 0,
     .matRate = 1000, .amtForNonCompany = false,  // MAT 10 %: Finance Act, 2006
     .advanceTaxLimit = 5000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2008, .financeAct = "Finance Act, 2008",
     .ageOnFirstApril = false, .seniorAge = 65, .verySeniorAge = 0,
     .exemptGeneral = 110000, .exemptWomen = 145000, .exemptSenior = 195000, .exemptVerySenior = 0,
     .slab2 = 150000, .slab2Senior = 195000, .slab3 = 250000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1000, .casualRate = 3000,
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,  // secondary and higher education cess: Finance Act, 2007
     .matRate = 1000, .amtForNonCompany = false,
     .advanceTaxLimit = 5000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2009, .financeAct = "Finance (No. 2) Act, 2009",
     .ageOnFirstApril = false, .seniorAge = 65, .verySeniorAge = 0,
     .exemptGeneral = 150000, .exemptWomen = 180000, .exemptSenior = 225000, .exemptVerySenior = 0,
     .slab2 = 300000, .slab2Senior = 300000, .slab3 = 500000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,  // s.111A 15 %: Finance Act, 2008
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1000, .amtForNonCompany = false,
     .advanceTaxLimit = 5000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2010, .financeAct = "Finance Act, 2010",
     .ageOnFirstApril = false, .seniorAge = 65, .verySeniorAge = 0,
     .exemptGeneral = 160000, .exemptWomen = 190000, .exemptSenior = 240000, .exemptVerySenior = 0,
     .slab2 = 300000, .slab2Senior = 300000, .slab3 = 500000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1500, .amtForNonCompany = false,  // MAT 15 %: Finance (No. 2) Act, 2009
     .advanceTaxLimit = 10000,                    // s.208 limit 10000: Finance (No. 2) Act, 2009
     .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2011, .financeAct = "Finance Act, 2011",
     .ageOnFirstApril = false, .seniorAge = 65, .verySeniorAge = 0,
     .exemptGeneral = 160000, .exemptWomen = 190000, .exemptSenior = 240000, .exemptVerySenior = 0,
     .slab2 = 500000, .slab2Senior = 500000, .slab3 = 800000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1800, .amtForNonCompany = false,  // MAT 18 %: Finance Act, 2010
     .advanceTaxLimit = 10000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2012, .financeAct = "Finance Act, 2012",
     .ageOnFirstApril = false, .seniorAge = 60, .verySeniorAge = 80,
     .exemptGeneral = 180000, .exemptWomen = 190000, .exemptSenior = 250000, .exemptVerySenior = 500000,
     .slab2 = 500000, .slab2Senior = 500000, .slab3 = 800000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1850, .amtForNonCompany = false,  // MAT 18.5 %: Finance Act, 2011
     .advanceTaxLimit = 10000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2013, .financeAct = "Finance Act, 2013",
     .ageOnFirstApril = false, .seniorAge = 60, .verySeniorAge = 80,
     .exemptGeneral = 200000, .exemptWomen = 0, .exemptSenior = 250000, .exemptVerySenior = 500000,
     .slab2 = 500000, .slab2Senior = 500000, .slab3 = 1000000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 0, .rebateMax = 0,
     .surchargeIndividualHuf = single(10 * kLakh, 1000), .surchargeOtherNonCompany = single(10 * kLakh, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1850, .amtForNonCompany = true,  // s.115JC for all non-corporates: Finance Act, 2012
     .advanceTaxLimit = 10000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2014, .financeAct = "Finance (No. 2) Act, 2014",
     .ageOnFirstApril = false, .seniorAge = 60, .verySeniorAge = 80,
     .exemptGeneral = 200000, .exemptWomen = 0, .exemptSenior = 250000, .exemptVerySenior = 500000,
     .slab2 = 500000, .slab2Senior = 500000, .slab3 = 1000000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 500000, .rebateMax = 2000,  // s.87A: Finance Act, 2013
     .surchargeIndividualHuf = single(kCrore, 1000), .surchargeOtherNonCompany = single(kCrore, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1850, .amtForNonCompany = true,
     .advanceTaxLimit = 10000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2015, .financeAct = "Finance Act, 2015",
     .ageOnFirstApril = false, .seniorAge = 60, .verySeniorAge = 80,
     .exemptGeneral = 250000, .exemptWomen = 0, .exemptSenior = 300000, .exemptVerySenior = 500000,
     .slab2 = 500000, .slab2Senior = 500000, .slab3 = 1000000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 500000, .rebateMax = 2000,
     .surchargeIndividualHuf = single(kCrore, 1000), .surchargeOtherNonCompany = single(kCrore, 1000),
     .surchargeCompany = company(500, 1000),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1850, .amtForNonCompany = true,
     .advanceTaxLimit = 10000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2016, .financeAct = "Finance Act, 2016",
     .ageOnFirstApril = true, .seniorAge = 60, .verySeniorAge = 80,
     .exemptGeneral = 250000, .exemptWomen = 0, .exemptSenior = 300000, .exemptVerySenior = 500000,
     .slab2 = 500000, .slab2Senior = 500000, .slab3 = 1000000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 0,
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 500000, .rebateMax = 2000,
     .surchargeIndividualHuf = single(kCrore, 1200), .surchargeOtherNonCompany = single(kCrore, 1000),
     .surchargeCompany = company(700, 1200),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1850, .amtForNonCompany = true,
     .advanceTaxLimit = 10000, .nonCompanySchedule = &kThreeInstalments, .companySchedule = &kFourInstalments},
    {.year = 2017, .financeAct = "Finance Act, 2017",
     .ageOnFirstApril = true, .seniorAge = 60, .verySeniorAge = 80,
     .exemptGeneral = 250000, .exemptWomen = 0, .exemptSenior = 300000, .exemptVerySenior = 500000,
     .slab2 = 500000, .slab2Senior = 500000, .slab3 = 1000000,
     .firmRate = 3000, .companyRate = 3000, .companyReducedRate = 2900,  // 29 %: Finance Act, 2016
     .ltcgRate = 2000, .stcg111aRate = 1500, .casualRate = 3000,
     .rebateIncomeLimit = 500000, .rebateMax = 5000,  // s.87A 5000: Finance Act, 2016
     .surchargeIndividualHuf = single(kCrore, 1500), .surchargeOtherNonCompany = single(kCrore, 1200),
     .surchargeCompany = company(700, 1200),
     .educationCess = 200, .sheCess = 100,
     .matRate = 1850, .amtForNonCompany = true,
     .advanceTaxLimit = 10000, .nonCompanySchedule = &kFourInstalments, .companySchedule = &kFourInstalments},
};

constexpr std::array<ScaleStep, 3> kCooperative{{{10000, 1000}, {20000, 2000}, {0, 3000}}};

// The September 2014 floods in Jammu and Kashmir and the December 2015 floods in
// Tamil Nadu and Puducherry: the department extended one instalment's due date
// for assessees of those places by orders u/s 119.
const StateRelaxation kRelaxations[] = {
    {2015, "Assessee in the State of Jammu && Kashmir", 1, year{2014} / December / 15, false, 3,
     "Order u/s 119 of the Income-tax Act, 1961 (2014, Jammu and Kashmir)"},
    {2016, "Assessee in the State of Tamil Nadu or Union territory of Puducherry", 2, year{2015} / December / 31, true,
     3, "Order u/s 119 of the Income-tax Act, 1961 (2015, Tamil Nadu and Puducherry)"},
};

}  // namespace

const std::array<ScaleStep, 3>& cooperativeScale() { return kCooperative; }

const YearRates* ratesFor(int y) {
  auto it = std::find_if(std::begin(kYears), std::end(kYears), [y](const YearRates& r) { return r.year == y; });
  return it == std::end(kYears) ? nullptr : &*it;
}

std::vector<int> supportedYears() {
  std::vector<int> out;
  for (const auto& r : kYears) out.push_back(r.year);
  return out;
}

std::vector<std::string> assessmentYearTexts() {
  std::vector<std::string> out;
  for (const auto& r : kYears) out.push_back(assessmentYearText(r.year));
  return out;
}

const StateRelaxation* stateRelaxationFor(int y) {
  auto it = std::find_if(std::begin(kRelaxations), std::end(kRelaxations),
                         [y](const StateRelaxation& r) { return r.year == y; });
  return it == std::end(kRelaxations) ? nullptr : &*it;
}

}  // namespace meridian::forms::estimator
