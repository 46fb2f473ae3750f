#include "suite/report/paginator.h"

#include <algorithm>

#include "suite/report/page_number_line.h"
#include "suite/report/table_layout.h"

namespace meridian::suite::report {
namespace {

int sectionHeight(const HeaderFooter& section, int page) { return static_cast<int>(section.itemsForPage(page).size()); }

class BodyPager {
 public:
  BodyPager(const ReportDocument& document, const PageGeometry& geometry)
      : document_(document), geometry_(geometry) {
    pages_.emplace_back();
  }

  void place(const BodyBlock& block) {
    if (const auto* line = std::get_if<Line>(&block)) {
      placeLine(*line);
    } else if (std::holds_alternative<PageBreak>(block)) {
      if (!current().empty()) pages_.emplace_back();
    } else {
      placeTable(std::get<Table>(block));
    }
  }

  std::vector<std::vector<Line>> take() { return std::move(pages_); }

  // The title lines printed just before a table go with the table's heading
  // and first row: when they would not all fit, the first title starts a
  // new page.
  void keepWithTable(const Table& table, int titleLines) {
    int needed = titleLines;
    for (const auto& row : table.rows) {
      needed += static_cast<int>(layoutTableRow(row).size());
      if (!row.heading) break;
    }
    if (needed > room() && needed <= capacity() && !current().empty()) pages_.emplace_back();
  }

 private:
  std::vector<Line>& current() { return pages_.back(); }
  int pageNumber() const { return static_cast<int>(pages_.size()); }
  int capacity() const {
    int page = pageNumber();
    int room = geometry_.linesPerPage - sectionHeight(document_.header, page) - sectionHeight(document_.footer, page);
    return std::max(1, room);
  }
  int room() { return capacity() - static_cast<int>(current().size()); }

  void newPage() {
    pages_.emplace_back();
    // A heading that would fill the whole page is not repeated: the rows
    // would never get a line.
    if (static_cast<int>(heading_.size()) < capacity())
      current().insert(current().end(), heading_.begin(), heading_.end());
  }

  void placeLine(const Line& line) {
    if (room() <= 0) newPage();
    current().push_back(line);
  }

  void placeTable(const Table& table) {
    heading_.clear();
    for (const auto& row : table.continuedHeading) {
      std::vector<Line> lines = layoutTableRow(row);
      heading_.insert(heading_.end(), lines.begin(), lines.end());
    }
    bool previousWasHeading = false;
    for (const auto& row : table.rows) {
      std::vector<Line> lines = layoutTableRow(row);
      if (row.heading && !previousWasHeading) heading_.clear();
      int needed = static_cast<int>(lines.size()) + (row.heading ? 1 : 0);
      if (needed > room() && needed <= capacity() && !current().empty()) newPage();
      for (const auto& line : lines) placeLine(line);
      if (row.heading) heading_.insert(heading_.end(), lines.begin(), lines.end());
      previousWasHeading = row.heading;
    }
    heading_.clear();
  }

  const ReportDocument& document_;
  const PageGeometry& geometry_;
  std::vector<std::vector<Line>> pages_;
  std::vector<Line> heading_;
};

std::vector<Line> sectionLines(const HeaderFooter& section, int page, int pageCount, const PageGeometry& geometry) {
  std::vector<Line> lines;
  for (const SectionItem* item : section.itemsForPage(page)) {
    if (const auto* line = std::get_if<Line>(item))
      lines.push_back(*line);
    else
      lines.push_back(pageNumberLine(std::get<PageNumberField>(*item), page, pageCount, geometry));
  }
  return lines;
}

bool allBold(const Line& line) {
  return std::all_of(line.runs.begin(), line.runs.end(),
                     [](const Run& r) { return r.style.bold || r.text.find_first_not_of(" ") == std::string::npos; });
}

}  // namespace

PagedReport paginate(const ReportDocument& document, const PageGeometry& geometry) {
  BodyPager pager(document, geometry);
  const auto titleAt = [&](std::size_t i) -> const Line* {
    const auto* line = i < document.body.size() ? std::get_if<Line>(&document.body[i]) : nullptr;
    return line && line->plainText().find_first_not_of(" ") != std::string::npos ? line : nullptr;
  };
  const auto tableAt = [&](std::size_t i) -> const Table* {
    return i < document.body.size() ? std::get_if<Table>(&document.body[i]) : nullptr;
  };
  const auto blankAt = [&](std::size_t i) {
    const auto* line = i < document.body.size() ? std::get_if<Line>(&document.body[i]) : nullptr;
    return line && line->plainText().find_first_not_of(" ") == std::string::npos;
  };
  for (std::size_t i = 0; i < document.body.size(); ++i) {
    // A bold schedule title over a bold section title goes with the
    // section's table too; any other line only when it is the last before
    // it, or is parted from it by one blank line.
    if (const Line* title = titleAt(i)) {
      const Line* next = titleAt(i + 1);
      if (const Table* table = tableAt(i + 2); table && next && allBold(*title) && allBold(*next))
        pager.keepWithTable(*table, 2);
      else if (const Table* own = tableAt(i + 1))
        pager.keepWithTable(*own, 1);
      else if (const Table* apart = tableAt(i + 2); apart && blankAt(i + 1))
        pager.keepWithTable(*apart, 2);
    }
    pager.place(document.body[i]);
  }
  std::vector<std::vector<Line>> bodies = pager.take();
  // A break written last leaves an empty page behind; it holds nothing.
  if (bodies.size() > 1 && bodies.back().empty()) bodies.pop_back();

  PagedReport report;
  report.geometry = geometry;
  int pageCount = static_cast<int>(bodies.size());
  for (int n = 1; n <= pageCount; ++n) {
    Page page;
    page.header = sectionLines(document.header, n, pageCount, geometry);
    page.body = std::move(bodies[static_cast<std::size_t>(n - 1)]);
    page.footer = sectionLines(document.footer, n, pageCount, geometry);
    report.pages.push_back(std::move(page));
  }
  return report;
}

}  // namespace meridian::suite::report
