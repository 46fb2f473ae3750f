#pragma once
// The report as the writer collects it, before it is cut into pages: body
// blocks (lines, page breaks, tables) and the header and footer sections.
#include <array>
#include <string>
#include <variant>
#include <vector>

#include "suite/report/text_style.h"

namespace meridian::suite::report {

// A stretch of text in one style. Text is UTF-8; columns count code points.
struct Run {
  std::string text;
  TextStyle style;

  bool operator==(const Run&) const = default;
};

// A rectangle drawn around a table cell: it starts at `column` (in
// character cells of `style`), is `width` cells wide and `lines` lines high,
// counted from the line that carries it.
struct Box {
  int column = 0;
  int width = 0;
  int lines = 1;
  TextStyle style;

  bool operator==(const Box&) const = default;
};

struct Line {
  std::vector<Run> runs;
  std::vector<Box> boxes;

  std::string plainText() const;
  bool operator==(const Line&) const = default;
};

struct PageBreak {
  bool operator==(const PageBreak&) const = default;
};

// Per-column switches of a table cell, taken from the four "0"/"1" masks.
struct CellFlags {
  bool bold = false;
  bool rightAligned = false;
  bool underlined = false;
  bool boxed = false;

  bool operator==(const CellFlags&) const = default;
};

// One cell, its value already turned into text by its kind and format.
// `numeric` cells (numbers, amounts, dates) are never wrapped or cut.
struct TableCell {
  std::string text;
  int position = 0;  // first character column; 0 = right after the previous cell
  int width = 0;  // characters
  bool numeric = false;
  CellFlags flags;
};

struct TableRow {
  std::vector<TableCell> cells;
  bool heading = false;
  TextStyle style;  // the style in force when the row was written
};

// Lines printed between rows interrupt a table; rows written after them
// continue it as a new Table that carries the heading it continues under,
// so that heading still repeats on the pages the rows run onto.
struct Table {
  int columns = 0;
  std::vector<TableRow> rows;
  std::vector<TableRow> continuedHeading;  // repeated after a page break, not printed first

  // The heading in force after the last row: the latest run of consecutive
  // heading rows, or the continued heading when the table has none.
  std::vector<TableRow> headingAtEnd() const;
};

using BodyBlock = std::variant<Line, PageBreak, Table>;

enum class PageNumberAlign { left = 0, centre = 1, right = 2 };
enum class PageNumberStyle { numberAlone = 0, pageOfTotal = 1 };

// A header or footer line that shows the page number once pages are known.
struct PageNumberField {
  PageNumberAlign align = PageNumberAlign::centre;
  PageNumberStyle style = PageNumberStyle::numberAlone;
  std::string before;
  std::string after;
  TextStyle textStyle;
};

using SectionItem = std::variant<Line, PageNumberField>;

// Which pages a header or footer section is printed on. A page shows the
// "every page" section followed by the section for its place (first or
// later), so a report can have a common header plus a title page extra.
enum class PageSelector { everyPage = 0, firstPageOnly = 1, afterFirstPage = 2 };

struct HeaderFooter {
  std::array<std::vector<SectionItem>, 3> sections;  // indexed by PageSelector

  std::vector<SectionItem>& at(PageSelector pages) { return sections[static_cast<std::size_t>(pages)]; }
  const std::vector<SectionItem>& at(PageSelector pages) const {
    return sections[static_cast<std::size_t>(pages)];
  }
  // The items printed on the given page (1-based), in order.
  std::vector<const SectionItem*> itemsForPage(int page) const;
};

struct ReportDocument {
  bool wide = false;  // 132 columns instead of 80
  std::vector<BodyBlock> body;
  HeaderFooter header;
  HeaderFooter footer;
};

}  // namespace meridian::suite::report
