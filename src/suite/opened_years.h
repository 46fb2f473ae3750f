#pragma once
// Recomputes every opened year of the database (each data set's row of the
// income table) with the engine and writes its summary row, as opening the
// year in the workspace does, so the summaries across clients are the
// engine's figures. A year that cannot be computed whole keeps its row as it
// was and is named with the reason.
#include <functional>
#include <string>
#include <vector>

#include "db/connection.h"

namespace meridian::suite {

struct RecomputedYears {
  int written = 0;
  std::vector<std::string> refused;  // "C0801 2016-17: why"
};

RecomputedYears recomputeOpenedYears(db::Connection& conn,
                                     const std::function<void(int done, int total)>& progress = {});

}  // namespace meridian::suite
