#pragma once
#include <vector>

#include "db/migrations.h"

namespace meridian::reg {
// The year row of a data set (income, completed to its full layout) and the
// client's bank accounts and credit cards by year (year 0: the master
// details). Numbers 250-269.
std::vector<db::Migration> workspaceMigrations();
}  // namespace meridian::reg
