#pragma once
// The fixed-asset chart of a data set's year (table dep_itr_it): one row per
// item with its block, rate, written-down value at the start of the year,
// additions and sales. The screen ObjNewFATR keeps it; the check before a
// return and the printed computation read it.
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/assets/depreciation.h"

namespace meridian::suite::assets {

inline const char* const kChartTable = "dep_itr_it";

// The year's items in the chart's order (srno).
std::vector<ChartItem> readChart(db::Connection& conn, const std::string& dataSet, int year);

// The depreciation u/s 32 the year's chart allows.
Money chartDepreciation(db::Connection& conn, const std::string& dataSet, int year);

}  // namespace meridian::suite::assets
