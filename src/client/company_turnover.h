#pragma once
// The company turnover option of General Information (cboDomCompTO) against
// the turnover it is about: the total turnover or gross receipts of the
// previous year 2014-15, as the business tables' profit and loss account of
// that year holds it, or as the user gives it when they hold none.
#include <optional>
#include <string>

#include "client/year_options.h"
#include "common/money.h"
#include "db/connection.h"

namespace meridian::client {

// The turnover and gross receipts the business tables hold for the client in
// the year; nothing when they hold no profit and loss account for it (or this
// installation has no business tables yet).
std::optional<Money> storedTurnover(db::Connection& conn, const std::string& code, int assessmentYear);

// The question the save asks when the option and the turnover disagree, or
// when the option is "YES" and the turnover is nil or not known; nothing
// when they agree.
std::optional<std::string> turnoverQuestion(const YearChoice& choice, std::optional<Money> turnover,
                                            const std::string& option);

// "45,000,000.00": the turnover as the question shows it, grouped in thousands.
std::string turnoverText(Money amount);

}  // namespace meridian::client
