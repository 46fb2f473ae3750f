#pragma once
#include <vector>

#include "db/migrations.h"

namespace meridian::client {
// The year-wise client particulars (new_tab), the year tables the client
// information screen writes (geninfo_miscinf, form3a_geninfo) and the scratch
// list of addresses the address boxes offer (tempaddlist). Numbers 300-319.
std::vector<db::Migration> clientMigrations();
}  // namespace meridian::client
