#pragma once
// Book profit of a company for the minimum alternate tax (s.115JB): the net
// profit of its profit and loss account (mat_cal) with the additions and
// deductions of Explanation 1 to s.115JB(2) (tbmatadddedn, by clause), kept
// per data set and year, and read into the computation's `bookProfit`.
#include <string>
#include <vector>

#include "common/money.h"
#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

namespace book_profit_codes {
inline constexpr const char* addition = "A";  // tbmatadddedn.flagad
inline constexpr const char* deduction = "D";
}  // namespace book_profit_codes

struct BookAdjustment {
  bool addition = true;
  Money amount;
};
// The net profit with every addition added and every deduction taken off.
Money bookProfitOf(Money netProfit, const std::vector<BookAdjustment>& adjustments);

// Reads mat_cal and tbmatadddedn of a data set's year into `in.bookProfit`
// (nil when the year has no row).
void loadBookProfit(db::Connection& conn, const std::string& code, engine::YearInput& in);

}  // namespace meridian::suite::heads
