#pragma once
// The year options of the client information screen: two check boxes whose
// caption and meaning change with the assessment year, and whether the state
// of the client's address makes them apply. Years without a row give the box
// no meaning: it is hidden and never asked about.
#include <optional>
#include <string>
#include <vector>

namespace meridian::client {

struct YearOption {
  int box = 1;     // 1: chkResAssInState1, 2: chkResAssInState2
  int year = 0;    // first year of the A.Y.
  std::string caption;
  std::vector<std::string> states;  // the option applies for these states
  std::string key;                  // stored under this key of the client's year values
};

const std::vector<YearOption>& yearOptions();
std::optional<YearOption> yearOption(int box, int year);

// A state as the options compare it: trimmed, upper case, without blanks,
// "&" and "AND" ("Jammu & Kashmir" and "JAMMU AND KASHMIR" both read JAMMUKASHMIR).
std::string comparableState(const std::string& state);
bool optionAppliesFor(const YearOption& option, const std::string& state);

// The combo-box options that belong to one year.
struct YearChoice {
  std::string control;  // cboREQEFL, cboDomCompTO
  int year = 0;
  std::string caption;
  std::string key;
  // cboDomCompTO: the turnover the option is about, that of the A.Y. whose
  // profit and loss account holds it, and the limit the option stands for.
  int turnoverYear = 0;
  long long turnoverLimitRupees = 0;
};
std::optional<YearChoice> yearChoice(const std::string& control, int year);

}  // namespace meridian::client
