#pragma once
// A made-up practice for a first look and for tests: a few hundred clients of
// every status, groups, partners linked to firms, an exclusion file, small
// earlier years of the individuals (a salary, interest, savings u/s 80C) and
// some advance tax paid, and the clients whose A.Y. 2016-17 is entered head by
// head (suite/heads/demo_heads.h). The same every time. The summaries of the
// years entered are the engine's, written when `meridian demo` computes them.
#include "db/connection.h"
#include "suite/data_folder.h"

namespace meridian::suite {

struct DemoSize {
  int clients = 320;
};

void seedDemoPractice(db::Connection& conn, const DataFolder& data, DemoSize size = {});
// Seeds only when the database holds no client; true when it seeded.
bool seedDemoPracticeIfEmpty(db::Connection& conn, const DataFolder& data);

}  // namespace meridian::suite
