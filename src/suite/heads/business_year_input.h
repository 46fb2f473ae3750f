#pragma once
// The business head of the year as the computation reads it (YearInput's
// `business`): businesses and professions, their disallowances and
// presumptive figures, goods carriages u/s 44AE, commission, specified
// businesses u/s 35AD and firms in which the client is a partner. The
// screens add up what they show through the same functions, so a screen's
// totals are what the computation will take.
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"
#include "suite/engine/year_law.h"
#include "suite/heads/business_rules.h"
#include "suite/heads/client_person.h"

namespace meridian::suite::heads {

struct BusinessEntry {
  Money netProfit;    // as per the profit and loss account, a loss negative
  Money speculation;  // a loss negative
  Money disallowed;   // amounts debited that the law does not allow
  std::optional<PresumptiveEntry> presumptive;  // its income is then presumed, its accounts set aside
  Money depreciationDebited;  // in the profit and loss account, added back (s.32 allows the chart's instead)
  // Incomes of other heads and exempt incomes credited to the account, less
  // the expenses of them debited: each head takes its own, so the business
  // income leaves them out.
  Money otherHeadsAndExempt;
  // The income of the business: the net profit with the amounts the law
  // does not allow added back and the other heads' amounts taken off.
  Money accountsIncome() const { return netProfit + disallowed - otherHeadsAndExempt; }
};

struct CommissionEntry {
  Money amount, expenses;
};

struct FirmShare {
  Money shareOfProfit;                // exempt u/s 10(2A)
  Money salary, interest, commission;  // taxed as business income (s.28(v))
};

struct SpecifiedBusinessEntry {
  Money profit;              // before the deduction, a loss negative
  Money capitalExpenditure;  // deducted u/s 35AD
};

// Each adds its entries into the business input; `law` is the year's.
void addBusinesses(const std::vector<BusinessEntry>& entries, const ClientPerson& who, const engine::YearLaw& law,
                   engine::BusinessInput& out);
// s.234C(1), proviso, clause (c): the income of a business that first earned
// in the year, counted as arising in the period of that day. A day outside
// the previous year, or a loss, adds nothing.
struct FirstEarning {
  CivilDate day;
  Money income;
};
void addFirstEarnings(const std::vector<FirstEarning>& firsts, engine::YearInput& in);

void addCommission(const std::vector<CommissionEntry>& entries, engine::BusinessInput& out);
void addVehicles(const std::vector<Vehicle>& vehicles, engine::BusinessInput& out);
void addFirmShares(const std::vector<FirmShare>& firms, engine::BusinessInput& out);
// The income of the specified businesses together, kept apart from the other
// businesses: a loss of them meets only their profits (s.73A).
Money specifiedBusinessIncome(const std::vector<SpecifiedBusinessEntry>& entries);
void addSpecifiedBusinesses(const std::vector<SpecifiedBusinessEntry>& entries, engine::BusinessInput& out);

// Reads the business tables of a data set's year into `in.business`; `in`
// holds the year, status and residence already.
void loadBusiness(db::Connection& conn, const std::string& code, engine::YearInput& in);

}  // namespace meridian::suite::heads
