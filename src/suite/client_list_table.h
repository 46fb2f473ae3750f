#pragma once
// The host's client list table TempClTbl, kept current from the client master
// (main_info1, owner1), the groups and the addresses, so the list never shows
// stale names. Columns: codeno, name, stat, fnm, dob, addr, grpcode, grpnm,
// compnm, email, pan.
#include <string>

#include "db/connection.h"

namespace meridian::suite {

// Rewrites the list row of one client (and of the persons linked to it); a
// client that no longer exists loses its row.
void refreshClientListRow(db::Connection& conn, const std::string& code);
// Rebuilds the whole list.
void rebuildClientList(db::Connection& conn);
// "S/o " or "D/o " (by sex) before the father's name; "W/o " names stay as
// they are. A list row that already says "W/o " keeps it through refreshes
// and rebuilds.
std::string relationName(const std::string& sex, const std::string& fatherName);

}  // namespace meridian::suite
