#include "register/summary_print.h"

#include <algorithm>

#include "common/money.h"

namespace meridian::reg {
namespace {

// Columns of the grid before the figures: code, and name or year.
constexpr int kLeading = 2;
constexpr int kFiguresPerLine = 10;
constexpr int16_t kCodeWidth = 8, kNameWidth = 26;
// Room for 99,99,99,999 and a blank before it.
constexpr int16_t kFigureWidth = 13;

struct PrintLine {
  std::vector<int16_t> widths;
  std::vector<int32_t> positions;
  std::vector<std::string> kinds, formats;
  std::string right, plain, bold;
};

// One of the two lines of a client: code and name (or room for them), then
// ten figures, each as wide as its heading.
PrintLine lineOf(const ui::Grid& g, int firstFigure) {
  PrintLine l;
  l.widths = {kCodeWidth, kNameWidth};
  l.kinds = {"T", "T"};
  l.formats = {"", ""};
  l.right = "00";
  for (int c = firstFigure; c < firstFigure + kFiguresPerLine && c < g.cols(); ++c) {
    const auto heading = static_cast<int16_t>(g.titles[static_cast<size_t>(c)].size() + 1);
    l.widths.push_back(std::max(kFigureWidth, heading));
    l.kinds.emplace_back("A");
    l.formats.emplace_back("#,##0");
    l.right += '1';
  }
  l.positions.assign(l.widths.size(), 0);
  l.plain.assign(l.widths.size(), '0');
  l.bold.assign(l.widths.size(), '1');
  return l;
}

void write(host::ReportWriter& rep, const PrintLine& l, std::vector<host::ReportValue> values, bool heading) {
  std::vector<int16_t> widths = l.widths;
  std::vector<int32_t> positions = l.positions;
  std::vector<std::string> kinds = l.kinds, formats = l.formats;
  rep.WriteToReport(values, widths, positions, kinds, formats, heading, heading ? l.bold : l.plain, l.right,
                    heading ? l.bold : l.plain, l.plain);
}

}  // namespace

void printSummaryTable(host::ReportWriter& rep, const ui::Grid& g) {
  const PrintLine lines[] = {lineOf(g, kLeading), lineOf(g, kLeading + kFiguresPerLine)};
  rep.printtext(host::esc::condensed);
  rep.createtable(1, static_cast<int16_t>(kLeading + kFiguresPerLine));
  for (int part = 0; part < 2; ++part) {
    std::vector<host::ReportValue> heading;
    heading.emplace_back(part == 0 ? g.titles[0] : std::string());
    heading.emplace_back(part == 0 ? g.titles[1] : std::string());
    for (int c = kLeading + part * kFiguresPerLine; c < kLeading + (part + 1) * kFiguresPerLine && c < g.cols(); ++c)
      heading.emplace_back(g.titles[static_cast<size_t>(c)]);
    write(rep, lines[part], std::move(heading), true);
  }
  // Rows print in the order the grid shows them (sorted by a column, if so).
  for (int i = 0; i < g.visibleCount(); ++i) {
    const int r = g.visibleRow(i);
    for (int part = 0; part < 2; ++part) {
      std::vector<host::ReportValue> values;
      values.emplace_back(part == 0 ? g.textMatrix(r, 0) : std::string());
      values.emplace_back(part == 0 ? g.textMatrix(r, 1) : std::string());
      for (int c = kLeading + part * kFiguresPerLine; c < kLeading + (part + 1) * kFiguresPerLine && c < g.cols(); ++c) {
        const std::string& cell = g.textMatrix(r, c);
        if (auto amount = Money::parse(cell)) values.emplace_back(*amount);
        else values.emplace_back(cell);
      }
      write(rep, lines[part], std::move(values), false);
    }
  }
}

}  // namespace meridian::reg
