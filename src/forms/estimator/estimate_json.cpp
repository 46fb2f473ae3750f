#include "forms/estimator/estimate_json.h"

#include <array>
#include <chrono>
#include <cmath>
#include <istream>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "forms/estimator/estimate.h"
#include "forms/estimator/estimate_input.h"
#include "forms/estimator/instalments.h"

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

// The JSON object as the entries of a case: every value is checked for its
// type here; the building of the case itself is shared with the screen.
class JsonEntries : public EstimateEntries {
 public:
  explicit JsonEntries(const json& o) : o_(o) {}
  std::string assessmentYear() const override { return textOf(o_, "ay"); }
  std::string status() const override { return textOf(o_, "status"); }
  std::string sex() const override { return textOf(o_, "sex"); }
  std::optional<std::chrono::year_month_day> dateOfBirth() const override {
    const std::string dob = textOf(o_, "dob");
    if (dob.empty()) return std::nullopt;
    auto d = parseDate(dob);
    if (!d) throw BadInput("\"dob\" must be a date dd/mm/yyyy");
    return d;
  }
  Rupees amount(const AmountField& f) const override { return amountOf(valueOf(f.key), f.key); }
  int children() const override {
    const json& c = valueOf(kChildrenKey);
    if (c.is_null()) return 0;
    if (!c.is_number_integer() || c.get<long long>() < 0 || c.get<long long>() > 99)
      throw BadInput("\"children\" must be a whole number from 0");
    return c.get<int>();
  }
  Rupees advancePaid(int period) const override {
    const json& a = valueOf("advance_paid");
    if (a.is_null()) return 0;
    if (!a.is_array() || a.size() > kPaymentPeriods)
      throw BadInput("\"advance_paid\" must be a list of at most five amounts");
    return static_cast<size_t>(period) < a.size() ? amountOf(a[static_cast<size_t>(period)], "advance_paid") : 0;
  }
  bool compTaxRate() const override { return flagOf(o_, "comp_tax_rate"); }
  bool resAssInState() const override { return flagOf(o_, "res_ass_in_state"); }
  std::optional<Rupees> desiredTax() const override {
    const json& d = valueOf("desired_tax");
    if (d.is_null()) return std::nullopt;
    return amountOf(d, "desired_tax");
  }

 private:
  const json& valueOf(const char* key) const {
    static const json none;
    return o_.contains(key) ? o_[key] : none;
  }
  const json& o_;
};

// The input's own due dates for this run, if it gives them.
std::optional<InstalmentDates> dueDatesOf(const json& o, int year) {
  if (!o.contains("due_dates") || o["due_dates"].is_null()) return std::nullopt;
  const json& d = o["due_dates"];
  const std::string shape = "\"due_dates\" must be a list of four dates dd/mm/yyyy";
  if (!d.is_array() || d.size() != kDueDates) throw BadInput(shape);
  std::array<std::string, kDueDates> texts;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (!d[i].is_string()) throw BadInput(shape);
    texts[i] = d[i].get<std::string>();
  }
  auto dates = instalmentDatesFromTexts(texts);
  if (!dates) throw BadInput(shape);
  // As the due-date master allows: inside the financial year before the A.Y.
  using namespace std::chrono;
  const year_month_day from = std::chrono::year{year - 1} / April / 1, to = std::chrono::year{year} / March / 31;
  for (const auto& date : dates->dates)
    if (date < from || date > to)
      throw BadInput("\"due_dates\": " + formatDate(date) + " is not between " + formatDate(from) + " and " +
                     formatDate(to));
  return dates;
}

EstimateInput parseInput(const json& o) {
  if (!o.is_object()) throw BadInput("input must be one JSON object");
  std::set<std::string> known{"ay",           "status",        "sex",
                              "dob",          kChildrenKey,    "advance_paid",
                              "comp_tax_rate", "res_ass_in_state", "desired_tax", "due_dates"};
  for (const auto& f : amountFields()) known.insert(f.key);
  for (const auto& item : o.items())
    if (!known.count(item.key())) throw BadInput("unknown key \"" + item.key() + "\"");
  return buildEstimateInput(JsonEntries(o));
}

// Keys in the order the form shows the figures.
nlohmann::ordered_json resultJson(const EstimateResult& r) {
  using ojson = nlohmann::ordered_json;
  ojson rows = ojson::array();
  for (const auto& row : r.instalments)
    rows.push_back({{"period", row.period},
                    {"due_date", formatDate(row.dueDate)},
                    {"due", row.due},
                    {"paid", row.paid},
                    {"interest", row.interest}});
  ojson o = {{"total_income", r.totalIncome},   {"tax", r.tax},
            {"rebate", r.rebate},              {"rebate_sections", r.rebateSections},
            {"surcharge", r.surcharge},
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

int runEstimateJson(std::istream& in, std::ostream& out, std::ostream& err, const StoredDueDates& stored) {
  try {
    json input;
    try {
      input = json::parse(in);
    } catch (const json::parse_error&) {
      throw BadInput("input is not valid JSON");
    }
    const EstimateInput parsed = parseInput(input);
    auto dates = dueDatesOf(input, parsed.year);
    if (!dates && stored) dates = stored(parsed.year);
    const EstimateResult result = estimate(parsed, dates.value_or(defaultInstalmentDates(parsed.year)));
    out << resultJson(result).dump(2) << '\n';
    return 0;
  } catch (const BadInput& e) {
    err << "estimate: " << e.what() << '\n';
    return 2;
  } catch (const EntryRefused& e) {
    err << "estimate: " << e.what() << '\n';
    return 2;
  } catch (const std::exception& e) {
    err << "estimate: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace meridian::forms::estimator
