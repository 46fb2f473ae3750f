#include "suite/heads/head_choices.h"

namespace meridian::suite::heads::choices {

const std::vector<Choice>& employerCategories() {
  static const std::vector<Choice> list = {
      {"GOV", "Government"}, {"PSU", "Public Sector Undertaking"}, {"OTH", "Others"}};
  return list;
}

const std::vector<Choice>& exemptAllowances() {
  static const std::vector<Choice> list = {
      {"HRA", "House Rent Allowance u/s 10(13A)"},
      {"LTA", "Leave Travel Concession u/s 10(5)"},
      {"CONV", "Conveyance Allowance u/s 10(14)"},
      {"CEA", "Children Education Allowance u/s 10(14)"},
      {"OTH", "Other Allowance u/s 10"},
  };
  return list;
}

const std::vector<Choice>& houseUses() {
  static const std::vector<Choice> list = {{"N", "Self Occupied"}, {"Y", "Let Out"}, {"D", "Deemed Let Out"}};
  return list;
}

const std::vector<Choice>& otherSourceNatures() {
  static const std::vector<Choice> list = {
      {"SB", "Interest on Savings Bank Account"},
      {"INT", "Interest on Deposits, Bonds and Others"},
      {"DIV", "Dividend (Taxable)"},
      {"FP", "Family Pension"},
      {"OTH", "Other Income"},
  };
  return list;
}

const std::vector<Choice>& exemptIncomeKinds() {
  static const std::vector<Choice> list = {
      {"INT", "Exempt Interest (PPF, Tax-free Bonds)"},
      {"DIV", "Dividend u/s 10(34) / 10(35)"},
      {"LTCG", "Long-term Capital Gain u/s 10(38)"},
      {"OTH", "Other Exempt Income"},
  };
  return list;
}

const std::vector<Choice>& specialRateSections() {
  static const std::vector<Choice> list = {
      {"5BB", "Winnings u/s 115BB (Lottery, Crossword, Races)"},
      {"5BBE", "Unexplained Credits, Investments, Money, Expenditure u/s 115BBE (ss.68 to 69D)"},
  };
  return list;
}

const std::vector<Choice>& savingsCertificates() {
  static const std::vector<Choice> list = {{"1", "NSC"}, {"2", "KVP"}};
  return list;
}

const std::vector<Choice>& lossParts() {
  static const std::vector<Choice> list = {
      {"0", "House Property"},
      {"1", "Business (Other than Speculation)"},
      {"2", "Unabsorbed Depreciation"},
      {"3", "Speculation Business"},
      {"5", "Short-term Capital Loss"},
      {"6", "Long-term Capital Loss"},
      {"7", "Owning and Maintaining Race Horses"},
      {"8", "Specified Business u/s 35AD"},
  };
  return list;
}

const std::vector<Choice>& incomeHeads() {
  static const std::vector<Choice> list = {
      {"1", "Salary"}, {"2", "House Property"}, {"3", "Business or Profession"}, {"4", "Capital Gains"},
      {"5", "Other Sources"}};
  return list;
}

const std::vector<Choice>& deductionSections() {
  static const std::vector<Choice> list = {
      {"80C", "80C"},
      {"80CCC", "80CCC"},
      {"80CCD(1)", "80CCD(1)"},
      {"80CCD(1B)", "80CCD(1B)"},
      {"80CCD(2)", "80CCD(2)"},
      {"80CCG", "80CCG"},
      {"80D", "80D"},
      {"80D_parents", "80D (Parents)"},
      {"80DD", "80DD"},
      {"80DDB", "80DDB"},
      {"80E", "80E"},
      {"80EE", "80EE"},
      {"80GG", "80GG"},
      {"80GGA", "80GGA"},
      {"80GGC", "80GGC"},
      {"80IA", "80IA"},
      {"80IAB", "80IAB"},
      {"80IB", "80IB"},
      {"80IC", "80IC"},
      {"80ID", "80ID"},
      {"80IE", "80IE"},
      {"80QQB", "80QQB"},
      {"80RRB", "80RRB"},
      {"80TTA", "80TTA"},
      {"80U", "80U"},
  };
  return list;
}

const std::vector<Choice>& doneeCategories() {
  static const std::vector<Choice> list = {
      {"100", "100% without qualifying limit"},
      {"50", "50% without qualifying limit"},
      {"100L", "100% subject to qualifying limit"},
      {"50L", "50% subject to qualifying limit"},
  };
  return list;
}

}  // namespace meridian::suite::heads::choices
