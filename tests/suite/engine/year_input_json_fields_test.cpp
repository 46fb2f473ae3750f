// Each key of the command's JSON lands in its own field of the year's
// record: every key of an object gets an amount of its own, so a key read
// into its neighbour's field shows.
#include <gtest/gtest.h>

#include <functional>

#include <nlohmann/json.hpp>

#include "suite/engine/year_input_json.h"

namespace meridian::engine {
namespace {

struct FieldCase {
  const char* key;  // a path of objects, the last part the key
  std::function<Money(const YearInput&)> field;
};

const FieldCase kFields[] = {
    {"other_sources.savings_interest", [](const YearInput& y) { return y.otherSources.savingsInterest; }},
    {"other_sources.other_interest", [](const YearInput& y) { return y.otherSources.otherInterest; }},
    {"other_sources.dividend_taxable", [](const YearInput& y) { return y.otherSources.dividendTaxable; }},
    {"other_sources.family_pension", [](const YearInput& y) { return y.otherSources.familyPension; }},
    {"other_sources.winnings", [](const YearInput& y) { return y.otherSources.winnings; }},
    {"other_sources.other", [](const YearInput& y) { return y.otherSources.other; }},
    {"other_sources.race_horses", [](const YearInput& y) { return y.otherSources.raceHorses; }},
    {"other_sources.dividend_domestic", [](const YearInput& y) { return y.otherSources.dividendDomestic; }},
    {"other_sources.unexplained_115bbe", [](const YearInput& y) { return y.otherSources.unexplained115bbe; }},
    {"capital_gains.stcg_111a", [](const YearInput& y) { return y.capitalGains.stcg111a; }},
    {"capital_gains.stcg_other", [](const YearInput& y) { return y.capitalGains.stcgOther; }},
    {"capital_gains.ltcg_indexed", [](const YearInput& y) { return y.capitalGains.ltcgIndexed; }},
    {"capital_gains.ltcg_without_indexation", [](const YearInput& y) { return y.capitalGains.ltcgWithoutIndexation; }},
    {"unabsorbed_depreciation_set_off.house_property", [](const YearInput& y) { return y.depreciationSpread->houseProperty; }},
    {"unabsorbed_depreciation_set_off.business", [](const YearInput& y) { return y.depreciationSpread->business; }},
    {"unabsorbed_depreciation_set_off.speculation", [](const YearInput& y) { return y.depreciationSpread->speculation; }},
    {"unabsorbed_depreciation_set_off.short_term", [](const YearInput& y) { return y.depreciationSpread->shortTerm; }},
    {"unabsorbed_depreciation_set_off.long_term", [](const YearInput& y) { return y.depreciationSpread->longTerm; }},
    {"unabsorbed_depreciation_set_off.other_sources", [](const YearInput& y) { return y.depreciationSpread->otherSources; }},
    {"business.presumptive_44ad.turnover", [](const YearInput& y) { return y.business.presumptive44ad.turnover; }},
    {"business.presumptive_44ad.declared", [](const YearInput& y) { return y.business.presumptive44ad.declared; }},
    {"business.presumptive_44ada.receipts", [](const YearInput& y) { return y.business.presumptive44ada.receipts; }},
    {"business.presumptive_44ada.declared", [](const YearInput& y) { return y.business.presumptive44ada.declared; }},
    {"deductions.80G.100", [](const YearInput& y) { return y.deductions.donations.full; }},
    {"deductions.80G.50", [](const YearInput& y) { return y.deductions.donations.half; }},
    {"deductions.80G.100_limited", [](const YearInput& y) { return y.deductions.donations.fullLimited; }},
    {"deductions.80G.50_limited", [](const YearInput& y) { return y.deductions.donations.halfLimited; }},
};

// Lists whose one item's keys are checked the same way.
const FieldCase kListFields[] = {
    {"salary.gross", [](const YearInput& y) { return y.salaries.at(0).gross; }},
    {"salary.exempt_allowances", [](const YearInput& y) { return y.salaries.at(0).exemptAllowances; }},
    {"salary.perquisites", [](const YearInput& y) { return y.salaries.at(0).perquisites; }},
    {"salary.profits_in_lieu", [](const YearInput& y) { return y.salaries.at(0).profitsInLieu; }},
    {"salary.entertainment_allowance", [](const YearInput& y) { return y.salaries.at(0).entertainmentAllowance; }},
    {"salary.professional_tax", [](const YearInput& y) { return y.salaries.at(0).professionalTax; }},
    {"arising.stcg_111a", [](const YearInput& y) { return y.arising[0].capitalGains.stcg111a; }},
    {"arising.stcg_other", [](const YearInput& y) { return y.arising[0].capitalGains.stcgOther; }},
    {"arising.ltcg_indexed", [](const YearInput& y) { return y.arising[0].capitalGains.ltcgIndexed; }},
    {"arising.ltcg_without_indexation", [](const YearInput& y) { return y.arising[0].capitalGains.ltcgWithoutIndexation; }},
    {"arising.winnings", [](const YearInput& y) { return y.arising[0].winnings; }},
    {"arising.business_first_time", [](const YearInput& y) { return y.arising[0].businessFirstTime; }},
    {"arising.dividend_domestic", [](const YearInput& y) { return y.arising[0].dividendDomestic; }},
};

// One input with a different amount under every key: 1001, 1002 ...
nlohmann::json everyKeyNumbered() {
  nlohmann::json in = {{"ay", "2016-17"}};
  std::int64_t n = 1000;
  for (const auto& f : kFields) {
    nlohmann::json* at = &in;
    const std::string path = f.key;
    for (std::size_t from = 0;;) {
      const std::size_t dot = path.find('.', from);
      const std::string part = path.substr(from, dot - from);
      if (dot == std::string::npos) {
        (*at)[part] = ++n;
        break;
      }
      at = &(*at)[part];
      from = dot + 1;
    }
  }
  nlohmann::json salary = nlohmann::json::object(), arising = nlohmann::json::object();
  for (const auto& f : kListFields) {
    const std::string path = f.key;
    const std::string list = path.substr(0, path.find('.')), key = path.substr(path.find('.') + 1);
    (list == "salary" ? salary : arising)[key] = ++n;
  }
  in["salary"] = {salary};
  in["arising"] = {arising};
  in["taxes_paid"] = {{"tds", 0}};
  return in;
}

TEST(YearInputJsonFields, EachKeyLandsInItsOwnField) {
  const YearInput y = yearInputFromJson(everyKeyNumbered());
  std::int64_t n = 1000;
  for (const auto& f : kFields) EXPECT_EQ(f.field(y), Money::rupees(++n)) << f.key;
  for (const auto& f : kListFields) EXPECT_EQ(f.field(y), Money::rupees(++n)) << f.key;
}

}  // namespace
}  // namespace meridian::engine
