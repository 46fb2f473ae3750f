#pragma once
// The set-off of unabsorbed depreciation brought forward (s.32(2)) as the
// practitioner spreads it over the heads of the year on the computation
// screen: the amount to be set off, the income each head has left after the
// year's own losses, the amounts typed against them, and their rows in
// undepr_setoff.
#include <optional>
#include <string>
#include <vector>

#include "common/money.h"
#include "db/connection.h"
#include "db/migrations.h"
#include "suite/engine/year_result.h"

namespace meridian::suite::computation {

struct UndeprHead {
  int head = 0;  // the row's number in undepr_setoff (1 house property ... 6 other sources)
  std::string caption;
  Money available;  // the most that may be set off against the head
  Money setOff;
};

struct UndeprEntry {
  Money toSetOff;  // what is brought forward, as far as the heads can take it
  std::vector<UndeprHead> heads;
  Money typed() const;
};

// Salaries are left out: unabsorbed depreciation never meets them.
UndeprEntry undeprEntryOf(const engine::YearResult& r);

// The refusal of a typed amount, if any: "Value can not be less than 0" or
// "Value can not be greater than " + the head's income.
std::optional<std::string> refusalOf(Money value, Money limit);
// The refusal of the whole entry when the amounts do not add up to the sum
// to be set off.
std::optional<std::string> refusalOf(const UndeprEntry& e);
// "Balance Unabsorbed Depreciation to be set-off : " or "Excess Unabsorbed
// Depreciation can not be set-off : " with the difference; "" when none.
std::string balanceLine(const UndeprEntry& e);

// Fills the heads' amounts from the stored rows (none stored: nothing typed).
void loadUndeprSetOff(db::Connection& conn, const std::string& dataSet, int year, UndeprEntry& e);
// Replaces the rows of the data set's year in one transaction.
void saveUndeprSetOff(db::Connection& conn, const std::string& dataSet, int year, const UndeprEntry& e);

std::vector<db::Migration> undeprMigrations();

}  // namespace meridian::suite::computation
