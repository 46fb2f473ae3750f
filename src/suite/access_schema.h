#pragma once
#include <vector>

#include "db/migrations.h"

namespace meridian::suite {
// Who may sign in and for how long: disabled users, the version that ends a
// user's sessions when their access changes, and failed sign-ins.
std::vector<db::Migration> accessMigrations();
}  // namespace meridian::suite
