#pragma once
// Migrations 650-699: the year tables of business or profession (the
// businesses with their profit and loss summary, disallowances and
// presumptive figures, goods carriages u/s 44AE, firms in which the client is
// a partner, commission, specified businesses u/s 35AD), of capital gains
// (transfers, their improvements and exemptions) and of agricultural income
// and the incomes of others clubbed with the client's.
#include <vector>

#include "db/migrations.h"

namespace meridian::suite::heads {

std::vector<db::Migration> businessAndGainsMigrations();

}  // namespace meridian::suite::heads
