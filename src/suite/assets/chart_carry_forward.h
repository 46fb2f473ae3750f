#pragma once
// The fixed-asset chart carried into a new year: the written-down value at the
// end of last year is this year's opening value (s.43(6)(b)), block by block,
// with the half of additional depreciation withheld last year brought along
// (proviso to s.32(1)(ii), from A.Y. 2016-17).
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/assets/depreciation.h"

namespace meridian::suite::assets {

// The opening lines of the year after `lastYear` from last year's items: one
// line per block and rate holding anything at its close, named by its items;
// an item outside the Rules' blocks as it stood, its value after additions
// and sales. A block that ceased or closed at nil with no balance is left out.
std::vector<ChartItem> openingChart(const std::vector<ChartItem>& lastYearItems, int lastYear);

// Writes the opening lines of `year` into data set `to` from the chart of
// `year - 1` in data set `from` (the data set last filed or assessed for that
// year), when `to` has no chart for the year; inside the caller's
// transaction. The number of lines written.
int carryChartForward(db::Connection& conn, const std::string& from, const std::string& to, int year);

// Whether the year has no chart in `to` and the year before has one in `from`.
bool chartCarriable(db::Connection& conn, const std::string& from, const std::string& to, int year);

}  // namespace meridian::suite::assets
