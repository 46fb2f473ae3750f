#pragma once
// The one-time move of a client's old MAT credit rows (mat_taxcredit) or AMT
// credit rows (mattaxjc) into the current credit table (taxcr115jbc1).
#include <string>

#include "db/connection.h"

namespace meridian::reg {

// Moves the rows of the client and of its return-table codes; true when the
// client may be opened (nothing to move counts as success). A failure moves
// nothing.
bool transferCredits(db::Connection& conn, const std::string& code);

}  // namespace meridian::reg
