#pragma once
// The year's option boxes as new_tab.opts keeps them: one "0" or "1" per
// box in the order the settings screen shows them. A box the stored text
// does not reach (a year never saved from the settings screen) takes its
// default, so that a year's printout looks the same before and after the
// screen is first left without a change.
#include <string>

namespace meridian::suite::computation {

enum class YearOption {
  codeInReturn = 0,        // "Show Code No. in Return Form"
  balanceSheet,            // "Balance Sheet " (printed return)
  capitalAccount,          // "Capital Account"
  profitAndLoss,           // "Profit And loss Account "
  tradingAccount,          // "Trading Account"
  // "Show detail of Income U/s 80L": kept, never printed. Section 80L
  // (interest on certain securities and deposits) was omitted by the Finance
  // Act, 2005 from A.Y. 2006-07; no year the program computes can carry a
  // deduction under it, so there is no detail to show.
  income80L,
  interestWorking,         // "Show Calculation of 234 A, 234 B, 234 C"
  lossesSamePage,          // "Print 'Losses Table' on the same page as the return"
  depreciationSamePage,    // "Print 'Depreciation Chart' on the same page as return"
  interestUptoLine,        // "Show the 'Intrest caluculated upto.....'  line"
  dueDateLine,             // "Show Due Date of Filing of Return    "
};
inline constexpr int kYearOptionCount = 11;

// The boxes of a year never saved: the losses table and the depreciation
// chart on the computation's page, the due date of filing shown.
const std::string& defaultYearOptions();

bool yearOptionOn(const std::string& stored, YearOption option);

}  // namespace meridian::suite::computation
