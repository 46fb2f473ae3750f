#include "client/company_turnover.h"

namespace meridian::client {

std::optional<Money> storedTurnover(db::Connection& conn, const std::string& code, int assessmentYear) {
  // The business tables keep one row per business or profession of the year;
  // a company's turnover is the sum of its businesses' turnover and gross
  // receipts. Without those tables (an installation before them) the figure
  // is not known here.
  if (!conn.hasTable("income_business")) return std::nullopt;
  auto rs = conn.query(
      "SELECT COUNT(*) AS n, SUM(COALESCE(turnover, 0) + COALESCE(gross_rec, 0)) AS total FROM income_business "
      "WHERE code_no = ? AND ass_year = ?",
      {code, assessmentYear});
  if (rs.empty() || rs.front().integer("n") == 0) return std::nullopt;
  return rs.front().money("total");
}

std::string turnoverText(Money amount) {
  const std::string plain = amount.text();  // "-1234567.50"
  const bool negative = !plain.empty() && plain[0] == '-';
  const std::string digits = plain.substr(negative ? 1 : 0, plain.find('.') - (negative ? 1 : 0));
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return (negative ? "-" : "") + grouped + plain.substr(plain.find('.'));
}

std::optional<std::string> turnoverQuestion(const YearChoice& choice, std::optional<Money> turnover,
                                            const std::string& option) {
  const std::string head = "Total Turnover / Gross Receipts in the Previous Year 2014-15 as per General Information -> "
                           "Profit & Loss A/c is ";
  if (!turnover || turnover->isZero()) {
    if (option != "YES") return std::nullopt;
    return head + "'NIL' or 'NOT FILLED', you have opted '" + option + "'\n\nContinue ?";
  }
  const bool withinLimit = *turnover <= Money::rupees(choice.turnoverLimitRupees);
  if (withinLimit == (option == "YES")) return std::nullopt;
  return head + "Rs. " + turnoverText(*turnover) + " which " + (withinLimit ? "does not " : "") +
         "exceed Rs. 5 Crore, where as you have opted '" + option + "'\n\nContinue ?";
}

}  // namespace meridian::client
