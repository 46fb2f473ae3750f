#include "client/year_options.h"

#include <algorithm>
#include <cctype>

namespace meridian::client {
namespace {

const std::string gujarat = "Assessee in the State of Gujarat";
const std::string jammuKashmir = "Assessee in the State of Jammu and Kashmir";

}  // namespace

const std::vector<YearOption>& yearOptions() {
  static const std::vector<YearOption> table = {
      {1, 2013, gujarat, {"GUJARAT", "GUJRAT"}, "RESASSINGUJ"},
      {1, 2014, jammuKashmir, {"JAMMU AND KASHMIR"}, "RESASSINJK"},
      {1, 2015, jammuKashmir, {"JAMMU AND KASHMIR"}, "RESASSINJK"},
      {1, 2016, "Assessee in the State of Tamil Nadu or Union territory of Puducherry",
       {"TAMIL NADU", "PUDUCHERRY", "PONDICHERRY"}, "ResAssInState1"},
      {2, 2013, "Residing / Assessed in the State of Uttarakhand", {"UTTARAKHAND", "UTTARANCHAL"}, "RESASSINUK"},
      {2, 2015, gujarat, {"GUJARAT", "GUJRAT"}, "RESASSINGUJ"},
      {2, 2016, jammuKashmir, {"JAMMU AND KASHMIR"}, "ResAssInState2"},
  };
  return table;
}

std::optional<YearOption> yearOption(int box, int year) {
  for (const auto& o : yearOptions())
    if (o.box == box && o.year == year) return o;
  return std::nullopt;
}

std::string comparableState(const std::string& state) {
  std::string s;
  for (unsigned char c : state)
    if (c != ' ' && c != '&' && c != '\t') s.push_back(static_cast<char>(std::toupper(c)));
  for (size_t p; (p = s.find("AND")) != std::string::npos;) s.erase(p, 3);
  return s;
}

bool optionAppliesFor(const YearOption& option, const std::string& state) {
  const std::string s = comparableState(state);
  if (s.empty()) return false;
  return std::any_of(option.states.begin(), option.states.end(),
                     [&](const std::string& st) { return comparableState(st) == s; });
}

std::optional<YearChoice> yearChoice(const std::string& control, int year) {
  static const std::vector<YearChoice> table = {
      {"cboREQEFL", 2015,
       "Assessee (Other than those in the State of Gujarat) were required to E-File their returns by 31st Aug, 2015",
       "REQEFILING"},
      // The 29 per cent rate for a domestic company whose turnover or gross
      // receipts of the previous year 2014-15 did not exceed five crore
      // rupees is the rate of A.Y. 2017-18: Finance Act, 2017, First
      // Schedule, Part I, Paragraph E (announced for advance tax of that year
      // by the Finance Act, 2016, First Schedule, Part III, Paragraph E). The
      // option was once offered in A.Y. 2016-17, a year without that rate.
      {"cboDomCompTO", 2017,
       "Domestic Company whose Total Turnover / Gross Receipts in the Previous Year 2014-15 does not exceed Rs. 5 Crore",
       "DOMCOMPTO", 2015, 50'000'000},
  };
  for (const auto& c : table)
    if (c.control == control && c.year == year) return c;
  return std::nullopt;
}

}  // namespace meridian::client
