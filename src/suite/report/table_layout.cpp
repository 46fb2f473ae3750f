#include "suite/report/table_layout.h"

#include <algorithm>
#include <string>

#include "suite/report/utf8_text.h"

namespace meridian::suite::report {
namespace {

struct PlacedCell {
  int start = 0;
  int width = 0;
  std::vector<std::string> pieces;
};

void append(Line& line, const std::string& text, const TextStyle& style) {
  if (text.empty()) return;
  if (line.runs.empty() || !(line.runs.back().style == style)) line.runs.push_back(Run{"", style});
  line.runs.back().text += text;
}

std::string spaces(int count) { return std::string(static_cast<std::size_t>(std::max(0, count)), ' '); }

}  // namespace

std::vector<Line> layoutTableRow(const TableRow& row) {
  std::vector<PlacedCell> placed;
  int cursor = 0;
  std::size_t lineCount = 1;
  for (const auto& cell : row.cells) {
    PlacedCell p;
    p.start = cell.position > 0 ? std::max(cell.position, cursor) : cursor;
    int textWidth = columnCount(cell.text);
    p.width = cell.width > 0 ? cell.width : textWidth;
    if (textWidth > p.width) {
      // A widened number keeps a blank on each side (before it when it is
      // right-aligned after another cell), so that it never reads as one
      // with its neighbour's figures.
      if (cell.numeric)
        p.width = textWidth + (cell.flags.rightAligned && !placed.empty() ? 1 : 0);
      else
        p.pieces = wrapToWidth(cell.text, p.width);
    }
    if (p.pieces.empty()) p.pieces.push_back(cell.text);
    lineCount = std::max(lineCount, p.pieces.size());
    cursor = p.start + p.width + (cell.numeric && textWidth > cell.width && cell.width > 0 ? 1 : 0);
    placed.push_back(std::move(p));
  }

  // Gaps between cells carry the row's style but no underline: an
  // underline belongs to a cell's text, not to the space beside it.
  TextStyle gapStyle = row.style;
  gapStyle.underline = false;
  std::vector<Line> lines(lineCount);
  for (std::size_t k = 0; k < lineCount; ++k) {
    Line& line = lines[k];
    int column = 0;
    for (std::size_t c = 0; c < placed.size(); ++c) {
      const PlacedCell& p = placed[c];
      const CellFlags& flags = row.cells[c].flags;
      if (k >= p.pieces.size() || p.pieces[k].empty()) continue;
      const std::string& piece = p.pieces[k];
      int pad = flags.rightAligned ? p.width - columnCount(piece) : 0;
      append(line, spaces(p.start + pad - column), gapStyle);
      TextStyle style = row.style;
      style.bold = style.bold || flags.bold;
      style.underline = style.underline || flags.underlined;
      append(line, piece, style);
      column = p.start + pad + columnCount(piece);
    }
  }
  for (std::size_t c = 0; c < placed.size(); ++c)
    if (row.cells[c].flags.boxed)
      lines.front().boxes.push_back(Box{placed[c].start, placed[c].width, static_cast<int>(lineCount), row.style});
  return lines;
}

}  // namespace meridian::suite::report
