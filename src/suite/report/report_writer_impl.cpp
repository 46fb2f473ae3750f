#include "suite/report/report_writer_impl.h"

#include <algorithm>

#include "suite/report/paginator.h"
#include "suite/report/table_layout.h"
#include "suite/report/table_row_builder.h"

namespace meridian::suite::report {

ReportWriterImpl::ReportWriterImpl(ReportSink sink) : sink_(std::move(sink)) {}

void ReportWriterImpl::NewReport() {
  document_ = ReportDocument{};
  document_.wide = SetCol130;
  ClientCodes.clear();
  section_ = host::hfBody;
  sectionPages_ = PageSelector::everyPage;
  bodyParser_.reset();
  headerParser_.reset();
  footerParser_.reset();
  tableOpen_ = false;
  lastTable_.reset();
  headerFooterTableColumns_ = 0;
  discarded_ = false;
}

// Template documents are merged by the document editor; the report itself
// starts empty exactly as a character report does.
void ReportWriterImpl::initReport(bool, bool) { NewReport(); }

// Paper size and margins are fixed A4 (see PageGeometry); a template's page
// setup matters only to the documents the document editor appends.
void ReportWriterImpl::LoadPageSetup(const std::string&) {}

// The size applies to documents appended by the document editor, which a
// character report does not hold.
void ReportWriterImpl::SetFontSizeBeforeAppendFile(int, int) {}

PrintLineParser& ReportWriterImpl::parser() {
  if (section_ == host::hfHeader) return headerParser_;
  if (section_ == host::hfFooter) return footerParser_;
  return bodyParser_;
}

std::vector<SectionItem>* ReportWriterImpl::headerFooterItems() {
  if (section_ == host::hfHeader) return &document_.header.at(sectionPages_);
  if (section_ == host::hfFooter) return &document_.footer.at(sectionPages_);
  return nullptr;
}

Table& ReportWriterImpl::openTable() {
  if (!tableOpen_) {
    Table continuation;
    if (lastTable_) {
      const Table& interrupted = std::get<Table>(document_.body[*lastTable_]);
      continuation.columns = interrupted.columns;
      continuation.continuedHeading = interrupted.headingAtEnd();
    }
    document_.body.emplace_back(std::move(continuation));
    lastTable_ = document_.body.size() - 1;
    tableOpen_ = true;
  }
  return std::get<Table>(document_.body.back());
}

void ReportWriterImpl::printtext(const std::string& line) {
  if (discarded_) return;
  std::vector<ParsedPiece> pieces = parser().parse(line);
  if (auto* items = headerFooterItems()) {
    // A page break means nothing inside a header or footer.
    for (auto& piece : pieces)
      if (auto* parsed = std::get_if<Line>(&piece)) items->emplace_back(std::move(*parsed));
    return;
  }
  tableOpen_ = false;
  for (auto& piece : pieces) {
    if (auto* parsed = std::get_if<Line>(&piece))
      document_.body.emplace_back(std::move(*parsed));
    else
      document_.body.emplace_back(PageBreak{});
  }
}

void ReportWriterImpl::createtable(int16_t, int16_t columns) {
  if (discarded_) return;
  int count = std::max<int>(0, columns);
  if (headerFooterItems()) {
    headerFooterTableColumns_ = count;
    return;
  }
  document_.body.emplace_back(Table{count, {}, {}});
  lastTable_ = document_.body.size() - 1;
  tableOpen_ = true;
}

void ReportWriterImpl::WriteToReport(std::vector<host::ReportValue>& values, std::vector<int16_t>& widths,
                                     std::vector<int32_t>& positions, std::vector<std::string>& kinds,
                                     std::vector<std::string>& formats, bool headingRow,
                                     const std::string& boldMask, const std::string& rightMask,
                                     const std::string& underlineMask, const std::string& boxMask) {
  if (discarded_) return;
  RowMasks masks{boldMask, rightMask, underlineMask, boxMask};
  if (auto* items = headerFooterItems()) {
    TableRow row = buildTableRow(headerFooterTableColumns_, values, widths, positions, kinds, formats, headingRow,
                                 masks, parser().style());
    for (auto& line : layoutTableRow(row)) items->emplace_back(std::move(line));
    return;
  }
  Table& table = openTable();
  table.rows.push_back(buildTableRow(table.columns, values, widths, positions, kinds, formats, headingRow, masks,
                                     parser().style()));
}

void ReportWriterImpl::SelectHF(int section, int pages, bool clear) {
  section_ = (section == host::hfHeader || section == host::hfFooter) ? section : host::hfBody;
  sectionPages_ = static_cast<PageSelector>(std::clamp(pages, 0, 2));
  if (clear)
    if (auto* items = headerFooterItems()) items->clear();
}

void ReportWriterImpl::InsertPgNo_TB(int16_t align, int16_t style, const std::string& before,
                                     const std::string& after) {
  if (discarded_) return;
  auto* items = headerFooterItems();
  if (!items) return;  // a page number belongs to a header or footer
  PageNumberField field;
  field.align = static_cast<PageNumberAlign>(std::clamp<int>(align, 0, 2));
  field.style = style == 1 ? PageNumberStyle::pageOfTotal : PageNumberStyle::numberAlone;
  field.before = before;
  field.after = after;
  field.textStyle = parser().style();
  items->emplace_back(std::move(field));
}

void ReportWriterImpl::AbortReport() {
  document_ = ReportDocument{};
  tableOpen_ = false;
  lastTable_.reset();
  discarded_ = true;
}

void ReportWriterImpl::showreport(bool) {
  if (discarded_ || !sink_) return;
  PageGeometry geometry = document_.wide ? PageGeometry::wide() : PageGeometry::narrow();
  auto paged = std::make_shared<PagedReport>(paginate(document_, geometry));
  paged->clients = ClientCodes;
  sink_(std::move(paged));
}

}  // namespace meridian::suite::report
