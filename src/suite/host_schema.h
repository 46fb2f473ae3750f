#pragma once
#include <vector>

#include "db/migrations.h"

namespace meridian::suite {
// The host's own tables (users, rights, client passwords, settings, client
// variables) and the client tables the dashboard reads.
std::vector<db::Migration> hostMigrations();
}  // namespace meridian::suite
