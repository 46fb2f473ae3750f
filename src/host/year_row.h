#pragma once
// A client's year row (new_tab) as it is first written: the columns it shares
// by name with the client master (owner1 for a person, main_info1 for any
// other client), the office's under "off_", the date of birth or
// incorporation, and "RESIDENT" where no residential status is known. Once
// the row exists it overrides the master for that year (address, officer,
// PAN, audit ...), so every writer that may create it starts from these
// values; a bare row would blank the year's particulars.
#include <string>

#include "db/connection.h"
#include "db/rows.h"

namespace meridian::host {

// `client` is the master's code, `dataSet` the code the year row is kept
// under (the client's, or a revision's data set).
db::Pairs newYearRow(db::Connection& conn, const std::string& client, const std::string& dataSet, int year);

// Writes `values` into the year row, creating it from newYearRow first when
// the year has none.
void writeYearRow(db::Connection& conn, const std::string& client, const std::string& dataSet, int year,
                  const db::Pairs& values);

}  // namespace meridian::host
