#pragma once
// Amounts within a business's profit and loss account that its net profit
// must not carry into the business income: incomes of other heads and
// exempt incomes credited, expenses of other heads and of exempt income
// debited (business_plitems, one row per amount, under the business's
// number), and what a firm debits for its partners' remuneration and
// interest, which the firm's partner rows must agree with.
#include <map>
#include <string>
#include <vector>

#include "common/money.h"
#include "db/connection.h"
#include "suite/heads/cell_type.h"

namespace meridian::suite::heads {

inline const char* const kProfitAndLossItemsTable = "business_plitems";

// The heads other than business whose incomes and expenses may pass through
// the account, in the order the business schedule lists them.
enum class OtherHead { salaries, houseProperty, capitalGains, otherSources };
inline constexpr OtherHead kOtherHeads[] = {OtherHead::salaries, OtherHead::houseProperty, OtherHead::capitalGains,
                                            OtherHead::otherSources};
const char* otherHeadName(OtherHead h);  // "Salaries", "House Property", "Capital Gains", "Other Sources"

// The items by their stored code, with the captions the screen offers.
const std::vector<Choice>& profitAndLossItemKinds();

// The items of one business, or of all the year's businesses added up.
struct ProfitAndLossItems {
  std::map<OtherHead, Money> credited, debited;  // of other heads
  Money firmShare, aopShare, otherExempt;        // exempt incomes credited
  Money exemptExpenses;                          // expenses of exempt income debited
  Money partnersRemuneration, partnersInterest;  // a firm's: salary, bonus, commission; interest

  // Adds an amount under its stored item code; false for a code not known.
  bool add(const std::string& code, const Money& amount);
  ProfitAndLossItems& operator+=(const ProfitAndLossItems& other);
  Money exemptCredited() const { return firmShare + aopShare + otherExempt; }
  // What comes off the net profit to leave the business income: the
  // incomes of other heads and the exempt incomes credited, less the
  // expenses of them debited (a negative sum adds to the profit).
  Money takenOffNetProfit() const;
  bool holdsPartnersItems() const { return !partnersRemuneration.isZero() || !partnersInterest.isZero(); }
};

// Whether an item code is one of a firm's payments to its partners, or an
// expense of exempt income.
bool isPartnersItem(const std::string& code);
bool isExemptExpenseItem(const std::string& code);

// The year's items by business number; none when the table is not kept.
std::map<long long, ProfitAndLossItems> readProfitAndLossItems(db::Connection& conn, const std::string& code, int year);

}  // namespace meridian::suite::heads
