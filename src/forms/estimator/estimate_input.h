#pragma once
// Turning what a user entered into an EstimateInput. The estimator screen and
// `meridian estimate --json` both go through buildEstimateInput(), so a case
// typed on the screen and the same case given as JSON are computed alike; each
// side only says how it reads one entry (the screen counts a non-numeric amount
// as 0, the JSON command refuses it).
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/estimator/estimate_types.h"

namespace meridian::forms::estimator {

// The heads of income a user can switch off on the screen (check boxes Check1).
enum class IncomeType { none = -1, salary, houseProperty, business, capitalGain, otherIncome };
inline constexpr int kIncomeTypes = 5;

// One amount of the input: its place in the screen's field array, its caption
// there, its key in the JSON input, the member it fills and the income type
// that carries it.
struct AmountField {
  int index;
  const char* caption;
  const char* key;
  Rupees EstimateInput::*member;
  IncomeType type;
};
// In the order of the screen's fields.
const std::vector<AmountField>& amountFields();

// The field array index and JSON key of the number of children.
inline constexpr int kChildrenField = 13;
inline constexpr const char* kChildrenKey = "children";

// The status texts of the screen's list and of the JSON "status" key.
const std::vector<std::string>& statusTexts();
const std::vector<std::string>& sexTexts();

// An entry that cannot make a case: unknown status, sex or year.
struct EntryRefused : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

// Where the entries of one case come from.
class EstimateEntries {
 public:
  virtual ~EstimateEntries() = default;
  virtual std::string assessmentYear() const = 0;  // "2016-17"
  virtual std::string status() const = 0;          // one of statusTexts()
  virtual std::string sex() const = 0;             // one of sexTexts(); "" = Male
  virtual std::optional<std::chrono::year_month_day> dateOfBirth() const = 0;
  virtual Rupees amount(const AmountField& field) const = 0;
  virtual int children() const = 0;
  virtual Rupees advancePaid(int period) const = 0;  // 0 .. kPaymentPeriods-1
  virtual bool compTaxRate() const = 0;
  virtual bool resAssInState() const = 0;
  virtual std::optional<Rupees> desiredTax() const = 0;
};

// Throws EntryRefused for an unknown year, status or sex; whatever the entries
// throw passes through.
EstimateInput buildEstimateInput(const EstimateEntries& entries);

// An amount typed on the screen: digits with optional paise (and an optional
// plus), rounded to the rupee half to even; nothing for any other text, a
// negative amount or more than twelve digits of rupees.
std::optional<Rupees> amountFromText(const std::string& text);

}  // namespace meridian::forms::estimator
