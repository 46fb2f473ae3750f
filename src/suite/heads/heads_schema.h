#pragma once
// Migrations 600-649: the year tables of the heads entered on the head
// screens, the list of TDS items and the practice's donees.
#include <vector>

#include "db/migrations.h"

namespace meridian::suite::heads {

std::vector<db::Migration> headsMigrations();

}  // namespace meridian::suite::heads
