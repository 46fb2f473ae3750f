#include "suite/report/table_row_builder.h"

#include <algorithm>

#include "suite/report/cell_text.h"

namespace meridian::suite::report {

bool maskSwitchesOn(std::string_view mask, std::size_t column) { return column < mask.size() && mask[column] == '1'; }

TableRow buildTableRow(int columns, const std::vector<host::ReportValue>& values, const std::vector<int16_t>& widths,
                       const std::vector<int32_t>& positions, const std::vector<std::string>& kinds,
                       const std::vector<std::string>& formats, bool heading, const RowMasks& masks,
                       const TextStyle& style) {
  std::size_t count = columns > 0 ? static_cast<std::size_t>(columns)
                                  : std::max({values.size(), widths.size(), positions.size()});
  TableRow row;
  row.heading = heading;
  row.style = style;
  static const host::ReportValue noValue;
  static const std::string noText;
  for (std::size_t c = 0; c < count; ++c) {
    const auto& value = c < values.size() ? values[c] : noValue;
    const std::string& kind = c < kinds.size() ? kinds[c] : noText;
    const std::string& format = c < formats.size() ? formats[c] : noText;
    TableCell cell;
    // A heading names the column: it is text whatever the column holds.
    cell.text = heading ? formatCellValue(value, "T", "") : formatCellValue(value, kind, format);
    cell.numeric = !heading && isNumericKind(kind);
    cell.width = c < widths.size() ? std::max<int>(0, widths[c]) : 0;
    cell.position = c < positions.size() ? std::max<int32_t>(0, positions[c]) : 0;
    cell.flags = CellFlags{maskSwitchesOn(masks.bold, c), maskSwitchesOn(masks.rightAligned, c),
                           maskSwitchesOn(masks.underlined, c), maskSwitchesOn(masks.boxed, c)};
    row.cells.push_back(std::move(cell));
  }
  return row;
}

}  // namespace meridian::suite::report
