#include "forms/estimator/estimate_input.h"

#include "common/years.h"
#include "forms/estimator/year_rules.h"

namespace meridian::forms::estimator {
namespace {

using T = IncomeType;
using I = EstimateInput;

// Twelve digits of rupees, as the screen's amount fields hold.
constexpr int kAmountDigits = 12;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const std::vector<AmountField>& amountFields() {
  static const std::vector<AmountField> fields = {
      {0, "Salary", "salary", &I::salary, T::salary},
      {1, "Let Out", "hp_let_out", &I::hpLetOut, T::houseProperty},
      {2, "Deductions except u/s 24(a)", "hp_deductions", &I::hpDeductions, T::houseProperty},
      {3, "Self Occupied", "hp_self_occupied", &I::hpSelfOccupied, T::houseProperty},
      {4, "Business Ordinary", "business_ordinary", &I::businessOrdinary, T::business},
      {5, "Business Speculation", "business_speculation", &I::businessSpeculation, T::business},
      {6, "LTCG 20%", "ltcg_20", &I::ltcg20, T::capitalGain},
      {7, "STCG (u/s 111A)", "stcg_111a", &I::stcg111a, T::capitalGain},
      {8, "STCG (others)", "stcg_others", &I::stcgOthers, T::capitalGain},
      {9, "Other", "other", &I::other, T::otherIncome},
      {10, "Casual Income", "casual", &I::casual, T::otherIncome},
      {11, "Family Pension", "family_pension", &I::familyPension, T::otherIncome},
      {12, "Agricultural Income", "agricultural", &I::agricultural, T::otherIncome},
      // 13 is the number of children, not an amount.
      {14, "Minor Income", "minor_income", &I::minorIncome, T::none},
      {15, "House Property", "bf_hp", &I::bfHp, T::none},
      {16, "Business Ordinary", "bf_business_ordinary", &I::bfBusinessOrdinary, T::none},
      {17, "Business Speculation", "bf_business_speculation", &I::bfBusinessSpeculation, T::none},
      {18, "Long-term Capital Gain", "bf_ltcg", &I::bfLtcg, T::none},
      {19, "Short-term Capital Gain", "bf_stcg", &I::bfStcg, T::none},
      {20, "Unabsorbed Depreciation", "bf_unabsorbed_depreciation", &I::bfUnabsorbedDepreciation, T::none},
      {21, "Deductions under Chapter-VIA", "deductions_via", &I::deductionsVia, T::none},
      // The caption of 22 follows the status: bookProfitCaption().
      {22, "Book Profit for MAT Calculation", "book_profit", &I::bookProfit, T::none},
      {23, "TDS", "tds", &I::tds, T::none},
  };
  return fields;
}

const std::vector<std::string>& statusTexts() {
  static const std::vector<std::string> texts = {"Individual", "HUF", "Co-operative Society", "Firm", "Company"};
  return texts;
}

const std::vector<std::string>& sexTexts() {
  static const std::vector<std::string> texts = {"Male", "Female"};
  return texts;
}

EstimateInput buildEstimateInput(const EstimateEntries& e) {
  EstimateInput in;
  const std::string ay = e.assessmentYear();
  for (int y : supportedYears())
    if (assessmentYearText(y) == ay) in.year = y;
  if (in.year == 0) throw EntryRefused("assessment year \"" + ay + "\" is not in the estimator's list");

  const std::string status = e.status();
  const auto& statuses = statusTexts();
  size_t s = 0;
  while (s < statuses.size() && statuses[s] != status) ++s;
  if (s == statuses.size()) throw EntryRefused("unknown status \"" + status + "\"");
  in.status = static_cast<Status>(s);

  const std::string sex = e.sex();
  if (sex == "Female")
    in.sex = Sex::Female;
  else if (sex == "Male" || sex.empty())
    in.sex = Sex::Male;
  else
    throw EntryRefused("unknown sex \"" + sex + "\"");

  in.dob = e.dateOfBirth();
  for (const auto& f : amountFields()) in.*f.member = e.amount(f);
  in.children = e.children();
  for (int p = 0; p < kPaymentPeriods; ++p) in.advancePaid[static_cast<size_t>(p)] = e.advancePaid(p);
  in.compTaxRate = e.compTaxRate();
  in.resAssInState = e.resAssInState();
  in.desiredTax = e.desiredTax();
  return in;
}

std::optional<Rupees> amountFromText(const std::string& text) {
  const size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return std::nullopt;
  std::string t = text.substr(b, text.find_last_not_of(' ') - b + 1);
  // The amount box lets a sign be typed; a plus changes nothing, a minus makes
  // no amount, as every amount of the estimator is positive.
  if (t[0] == '+') t.erase(0, 1);
  const size_t dot = t.find('.');
  const std::string whole = t.substr(0, dot);
  const std::string paise = dot == std::string::npos ? "" : t.substr(dot + 1);
  if (whole.empty() && paise.empty()) return std::nullopt;
  for (char c : whole + paise)
    if (!isDigit(c)) return std::nullopt;
  const size_t lead = whole.find_first_not_of('0');
  if (lead != std::string::npos && whole.size() - lead > kAmountDigits) return std::nullopt;
  Rupees r = 0;
  for (char c : whole) r = r * 10 + (c - '0');
  if (!paise.empty()) {
    // Half to even: above one half goes up, exactly one half goes to the even rupee.
    const char first = paise[0];
    const bool restZero = paise.find_first_not_of('0', 1) == std::string::npos;
    if (first > '5' || (first == '5' && !restZero) || (first == '5' && restZero && r % 2 == 1)) ++r;
  }
  return r;
}

}  // namespace meridian::forms::estimator
