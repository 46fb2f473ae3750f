#pragma once
// Client rows carry a version that every save through the client screens
// raises. A screen remembers the version it read; its save writes the row
// only while the version is still that one, so a save made meanwhile by
// another user is noticed instead of silently undone.
#include <optional>
#include <string>

#include "db/record_set.h"
#include "db/rows.h"

namespace meridian::host {

// The version of a row as read (0 for a row written before versions).
long long rowVersion(const db::Row& row);

// What the database holds now compared with what the screen read.
enum class RowChange { none, changed, gone };

// Updates the row with the keys to the values and the next version, but
// only while it still has the version read; tells why not otherwise. Runs
// inside the caller's transaction, which should write nothing more when the
// answer is not `none`.
RowChange updateIfUnchanged(db::Connection& conn, const std::string& table, const db::Pairs& values,
                            const db::Pairs& keys, long long versionRead);

// The version the row has now; nothing when it is gone.
std::optional<long long> currentVersion(db::Connection& conn, const std::string& table, const db::Pairs& keys);

}  // namespace meridian::host
