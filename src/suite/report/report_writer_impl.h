#pragma once
// The report writer every screen prints through: collects one report line by
// line and table row by table row, then hands it, paginated, to the sink
// that shows it to the user.
#include <optional>

#include "host/report_writer.h"
#include "suite/report/paged_report.h"
#include "suite/report/print_line_parser.h"
#include "suite/report/report_document.h"

namespace meridian::suite::report {

class ReportWriterImpl : public host::ReportWriter {
 public:
  explicit ReportWriterImpl(ReportSink sink);

  void NewReport() override;
  void initReport(bool withTemplates = true, bool keepPageSetup = false) override;
  void LoadPageSetup(const std::string& templatePath) override;
  void printtext(const std::string& line = "") override;
  void createtable(int16_t kind, int16_t columns) override;
  void WriteToReport(std::vector<host::ReportValue>& values, std::vector<int16_t>& widths,
                     std::vector<int32_t>& positions, std::vector<std::string>& kinds,
                     std::vector<std::string>& formats, bool headingRow, const std::string& boldMask,
                     const std::string& rightMask, const std::string& underlineMask,
                     const std::string& boxMask) override;
  void SelectHF(int section, int pages = 0, bool clear = false) override;
  void InsertPgNo_TB(int16_t align, int16_t style, const std::string& before, const std::string& after) override;
  void SetFontSizeBeforeAppendFile(int step, int afterStep) override;
  void AbortReport() override;
  void showreport(bool modal = false) override;

  // The report collected so far.
  const ReportDocument& document() const { return document_; }

 private:
  PrintLineParser& parser();
  std::vector<SectionItem>* headerFooterItems();
  Table& openTable();

  ReportSink sink_;
  ReportDocument document_;
  int section_ = host::hfBody;
  PageSelector sectionPages_ = PageSelector::everyPage;
  // Header, footer and body each keep their own printer state, so a bold
  // header line cannot turn the body bold.
  PrintLineParser bodyParser_, headerParser_, footerParser_;
  bool tableOpen_ = false;
  // Index in the body of the table the last createtable opened; rows written
  // after printed lines continue it.
  std::optional<std::size_t> lastTable_;
  int headerFooterTableColumns_ = 0;
  bool discarded_ = false;
};

}  // namespace meridian::suite::report
