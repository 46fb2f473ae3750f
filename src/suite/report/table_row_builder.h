#pragma once
// Gathers the per-column arrays of one WriteToReport call into a TableRow.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/report_writer.h"
#include "suite/report/report_document.h"

namespace meridian::suite::report {

// Whether the mask switches the attribute on for the column: '1' at the
// column's place. A mask shorter than the row leaves the rest off.
bool maskSwitchesOn(std::string_view mask, std::size_t column);

struct RowMasks {
  std::string_view bold, rightAligned, underlined, boxed;
};

// One cell per column of the table (`columns`, or the longest array when the
// table was not opened). Arrays shorter than the row give defaults: width 0
// (as wide as the text), position 0 (after the previous cell), kind text,
// no format.
TableRow buildTableRow(int columns, const std::vector<host::ReportValue>& values, const std::vector<int16_t>& widths,
                       const std::vector<int32_t>& positions, const std::vector<std::string>& kinds,
                       const std::vector<std::string>& formats, bool heading, const RowMasks& masks,
                       const TextStyle& style);

}  // namespace meridian::suite::report
