#pragma once
#include <vector>

#include "db/migrations.h"

namespace meridian::filing {
// The register of returns and orders (nrevordr), the refunds granted under
// orders (nordrefs), the filing details the register shares with the filing
// status screens (pending, itrvdet, itretstproc) and the partners'
// remuneration with its per-data-set snapshot (part_remu, nremutbl).
// Numbers 500-549.
std::vector<db::Migration> filingMigrations();
}  // namespace meridian::filing
