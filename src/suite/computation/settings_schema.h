#pragma once
// Migrations 700-749: the computation settings of a client's year (interest
// typed by hand, the signer, the order in which losses of the year are set
// off) and the practice's own particulars printed on every computation.
#include <vector>

#include "db/migrations.h"

namespace meridian::suite::computation {

std::vector<db::Migration> settingsMigrations();

}  // namespace meridian::suite::computation
