#pragma once
// A small practice to work on: a firm F1 in Tamil Nadu with its partner P1,
// a company C1, an individual I1 holding a PAN of its own, and a client F10
// whose code begins like F1's; the client list built from them.
#include <map>
#include <string>
#include <vector>

#include "db/connection.h"
#include "support/db_fixture.h"

namespace meridian::testsupport {

void seedPractice(db::Connection& conn);

// Tables the client screens write, and a snapshot of all of them.
const std::vector<std::string>& clientTables();
std::map<std::string, std::vector<std::string>> snapshot(TestDatabase& db);

}  // namespace meridian::testsupport
