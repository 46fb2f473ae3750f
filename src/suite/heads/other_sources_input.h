#pragma once
// Income from other sources as the other-sources screen and the year's loader
// both read it, and the computation's record of it: receipts by nature, the
// interest accrued on savings certificates (other interest), winnings and
// unexplained income at their special rates, dividends from domestic
// companies (exempt, or taxed above the s.115BBDA threshold), and the expenses and depreciation claimed u/s 57 taken off
// the other income (which may then be a loss); race horses apart, their
// deductions taken off their own receipts only.
#include <array>
#include <string>
#include <vector>

#include "common/money.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

struct OtherSourceAmounts {
  Money savingsInterest, otherInterest, dividend, familyPension, other;  // other_income by nature
  Money certificateInterest;                                             // rebate_nsc
  Money winnings;                                                        // sprtothinc 5BB, s.115BB
  Money unexplained;                                                     // sprtothinc 5BBE, s.115BBE
  Money dividendDomestic;                                                // oth_inc, s.10(34) and s.115BBDA
  Money expenses, depreciation;                                          // oth_inc, s.57
  Money raceHorseReceipts, raceHorseExpenses;                            // oth_inc, s.74A(3)
};

inline engine::OtherSourcesInput otherSourcesInputOf(const OtherSourceAmounts& a) {
  return {.savingsInterest = a.savingsInterest,
          .otherInterest = a.otherInterest + a.certificateInterest,
          .dividendTaxable = a.dividend,
          .familyPension = a.familyPension,
          .winnings = a.winnings,
          .other = a.other - a.expenses - a.depreciation,
          .raceHorses = a.raceHorseReceipts - a.raceHorseExpenses,
          .dividendDomestic = a.dividendDomestic,
          .unexplained115bbe = a.unexplained};
}

// Adds an income at a special rate to the figure of its section code (the
// codes of choices::specialRateSections); false for a code not known.
inline bool addSpecialRate(OtherSourceAmounts& a, const std::string& section, Money amount) {
  if (section == "5BB") a.winnings += amount;
  else if (section == "5BBE") a.unexplained += amount;
  else return false;
  return true;
}

// Adds a receipt to the figure of its nature (the codes of choices::otherSourceNatures).
inline void addReceipt(OtherSourceAmounts& a, const std::string& nature, Money amount) {
  if (nature == "SB") a.savingsInterest += amount;
  else if (nature == "INT") a.otherInterest += amount;
  else if (nature == "DIV") a.dividend += amount;
  else if (nature == "FP") a.familyPension += amount;
  else a.other += amount;
}

// When winnings and dividends u/s 115BBDA arose (oth_arising): one row per
// kind, its amounts by the periods of `YearInput::arising`.
namespace arising_kinds {
inline constexpr const char* winnings = "W";
inline constexpr const char* dividends = "D";
}  // namespace arising_kinds

struct ArisingPeriodColumn {
  const char* column;
  const char* caption;
};
const std::array<ArisingPeriodColumn, engine::kArisingPeriods>& arisingPeriodColumns();

struct ArisingEntry {
  std::string kind;  // arising_kinds
  std::array<Money, engine::kArisingPeriods> amounts{};
};

// Adds the entries to `in.arising`; a kind not known is passed over.
void addOtherSourcesArising(const std::vector<ArisingEntry>& entries, engine::YearInput& in);

}  // namespace meridian::suite::heads
