#include "forms/estimator/estimate_json.h"

#include <cmath>
#include <istream>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "forms/estimator/estimate.h"
#include "forms/estimator/estimator_rates.h"
#include "forms/estimator/instalments.h"
#include "host/years.h"

namespace meridian::forms::estimator {
namespace {

using nlohmann::json;

struct BadInput : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Twelve digits of rupees, as the form's amount fields hold; also keeps every
// product with a rate well inside 64 bits.
constexpr double kLargestAmount = 999'999'999'999.0;

Rupees amountOf(const json& v, const std::string& key) {
  if (v.is_null()) return 0;
  if (!v.is_number()) throw BadInput("\"" + key + "\" must be a number");
  const double d = v.get<double>();
  if (!std::isfinite(d)) throw BadInput("\"" + key + "\" must be a number");
  if (d < 0) throw BadInput("\"" + key + "\" must not be negative");
  if (d > kLargestAmount) throw BadInput("\"" + key + "\" is too large");
  if (v.is_number_integer()) return v.get<Rupees>();
  return static_cast<Rupees>(std::nearbyint(d));  // default rounding mode: half to even
}

std::string textOf(const json& o, const char* key) {
  if (!o.contains(key) || o[key].is_null()) return "";
  if (!o[key].is_string()) throw BadInput(std::string("\"") + key + "\" must be a text");
  return o[key].get<std::string>();
}

bool flagOf(const json& o, const char* key) {
  if (!o.contains(key) || o[key].is_null()) return false;
  if (!o[key].is_boolean()) throw BadInput(std::string("\"") + key + "\" must be true or false");
  return o[key].get<bool>();
}

Status statusOf(const std::string& s) {
  if (s == "Individual") return Status::Individual;
  if (s == "HUF") return Status::Huf;
  if (s == "Co-operative Society") return Status::CooperativeSociety;
  if (s == "Firm") return Status::Firm;
  if (s == "Company") return Status::Company;
  throw BadInput("unknown status \"" + s + "\"");
}

int yearOf(const std::string& ay) {
  for (int y : supportedYears())
    if (host::assessmentYearText(y) == ay) return y;
  throw BadInput("assessment year \"" + ay + "\" is not in the estimator's list");
}

struct AmountKey {
  const char* key;
  Rupees EstimateInput::*field;
};
const AmountKey kAmounts[] = {
    {"salary", &EstimateInput::salary},
    {"hp_let_out", &EstimateInput::hpLetOut},
    {"hp_deductions", &EstimateInput::hpDeductions},
    {"hp_self_occupied", &EstimateInput::hpSelfOccupied},
    {"business_ordinary", &EstimateInput::businessOrdinary},
    {"business_speculation", &EstimateInput::businessSpeculation},
    {"ltcg_20", &EstimateInput::ltcg20},
    {"stcg_111a", &EstimateInput::stcg111a},
    {"stcg_others", &EstimateInput::stcgOthers},
    {"other", &EstimateInput::other},
    {"casual", &EstimateInput::casual},
    {"family_pension", &EstimateInput::familyPension},
    {"agricultural", &EstimateInput::agricultural},
    {"minor_income", &EstimateInput::minorIncome},
    {"bf_hp", &EstimateInput::bfHp},
    {"bf_business_ordinary", &EstimateInput::bfBusinessOrdinary},
    {"bf_business_speculation", &EstimateInput::bfBusinessSpeculation},
    {"bf_ltcg", &EstimateInput::bfLtcg},
    {"bf_stcg", &EstimateInput::bfStcg},
    {"bf_unabsorbed_depreciation", &EstimateInput::bfUnabsorbedDepreciation},
    {"deductions_via", &EstimateInput::deductionsVia},
    {"book_profit", &EstimateInput::bookProfit},
    {"tds", &EstimateInput::tds},
};

EstimateInput parseInput(const json& o) {
  if (!o.is_object()) throw BadInput("input must be one JSON object");
  std::set<std::string> known{"ay",       "status",       "sex",             "dob",
                              "children", "advance_paid", "comp_tax_rate",   "res_ass_in_state",
                              "desired_tax"};
  for (const auto& a : kAmounts) known.insert(a.key);
  for (const auto& item : o.items())
    if (!known.count(item.key())) throw BadInput("unknown key \"" + item.key() + "\"");

  EstimateInput in;
  in.year = yearOf(textOf(o, "ay"));
  in.status = statusOf(textOf(o, "status"));
  const std::string sex = textOf(o, "sex");
  if (sex == "Female")
    in.sex = Sex::Female;
  else if (sex == "Male" || sex.empty())
    in.sex = Sex::Male;
  else
    throw BadInput("unknown sex \"" + sex + "\"");
  const std::string dob = textOf(o, "dob");
  if (!dob.empty()) {
    in.dob = parseDate(dob);
    if (!in.dob) throw BadInput("\"dob\" must be a date dd/mm/yyyy");
  }
  for (const auto& a : kAmounts) in.*a.field = amountOf(o.contains(a.key) ? o[a.key] : json(), a.key);

  if (o.contains("children") && !o["children"].is_null()) {
    const json& c = o["children"];
    if (!c.is_number_integer() || c.get<long long>() < 0 || c.get<long long>() > 99)
      throw BadInput("\"children\" must be a whole number from 0");
    in.children = c.get<int>();
  }
  if (o.contains("advance_paid") && !o["advance_paid"].is_null()) {
    const json& a = o["advance_paid"];
    if (!a.is_array() || a.size() > kPaymentPeriods)
      throw BadInput("\"advance_paid\" must be a list of at most five amounts");
    for (std::size_t i = 0; i < a.size(); ++i) in.advancePaid[i] = amountOf(a[i], "advance_paid");
  }
  in.compTaxRate = flagOf(o, "comp_tax_rate");
  in.resAssInState = flagOf(o, "res_ass_in_state");
  if (o.contains("desired_tax") && !o["desired_tax"].is_null()) in.desiredTax = amountOf(o["desired_tax"], "desired_tax");
  return in;
}

// Keys in the order the form shows the figures.
nlohmann::ordered_json resultJson(const EstimateResult& r) {
  using ojson = nlohmann::ordered_json;
  ojson rows = ojson::array();
  for (const auto& row : r.instalments)
    rows.push_back({{"due_date", formatDate(row.dueDate)}, {"due", row.due}, {"paid", row.paid}, {"interest", row.interest}});
  ojson o = {{"total_income", r.totalIncome},   {"tax", r.tax},
            {"rebate_87a", r.rebate87A},       {"surcharge", r.surcharge},
            {"education_cess", r.educationCess}, {"she_cess", r.sheCess},
            {"total_tax", r.totalTax},         {"interest_234c", r.interest234C},
            {"payable", r.payable},            {"instalments", rows}};
  o["no_liability_message"] = r.noLiabilityMessage ? ojson(*r.noLiabilityMessage) : ojson(nullptr);
  if (!r.requiredIncome)
    o["required_income"] = nullptr;
  else if (r.requiredIncome->income)
    o["required_income"] = *r.requiredIncome->income;
  else
    o["required_income"] = r.requiredIncome->message;
  return o;
}

}  // namespace

int runEstimateJson(std::istream& in, std::ostream& out, std::ostream& err) {
  try {
    json input;
    try {
      input = json::parse(in);
    } catch (const json::parse_error&) {
      throw BadInput("input is not valid JSON");
    }
    const EstimateInput parsed = parseInput(input);
    const EstimateResult result = estimate(parsed, defaultInstalmentDates(parsed.year));
    out << resultJson(result).dump(2) << '\n';
    return 0;
  } catch (const BadInput& e) {
    err << "estimate: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    err << "estimate: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace meridian::forms::estimator
