#pragma once
// The undertakings of a year whose profits from export are deducted u/ss 10A
// and 10AA (table business_sec10): read into the computation, and the rule a
// line must keep before it is saved.
#include <optional>
#include <string>

#include "db/connection.h"
#include "suite/engine/year_input.h"

namespace meridian::suite::heads {

inline const char* const kExportUnitsTable = "business_sec10";

struct ExportUnitFault {
  std::string column;
  std::string message;
};

// Why a line cannot stand for the A.Y. beginning in `year`, or nothing.
std::optional<ExportUnitFault> exportUnitFault(const engine::ExportUnit& unit, int year);

// Adds the data set's undertakings of `in.year` to `in.exportUnits`.
void loadExportUnits(db::Connection& conn, const std::string& dataSet, engine::YearInput& in);

}  // namespace meridian::suite::heads
