#pragma once
// A report writer for screen tests that keeps the lines it was given.
#include "host/report_writer.h"
#include "suite/finished_report.h"

namespace meridian::testsupport {

class RecordingReportWriter : public host::ReportWriter {
 public:
  explicit RecordingReportWriter(suite::FinishedReportSink sink) : sink_(std::move(sink)) {}
  std::vector<std::string> lines;

  void NewReport() override {
    lines.clear();
    ClientCodes.clear();
  }
  void initReport(bool, bool) override { lines.clear(); }
  void LoadPageSetup(const std::string&) override {}
  void printtext(const std::string& line) override { lines.push_back(line); }
  void createtable(int16_t, int16_t) override {}
  void WriteToReport(std::vector<host::ReportValue>& values, std::vector<int16_t>&, std::vector<int32_t>&,
                     std::vector<std::string>&, std::vector<std::string>&, bool, const std::string&,
                     const std::string&, const std::string&, const std::string&) override {
    std::string row;
    for (const auto& v : values)
      if (auto* s = std::get_if<std::string>(&v)) row += *s + "|";
    lines.push_back(row);
  }
  void SelectHF(int, int, bool) override {}
  void InsertPgNo_TB(int16_t, int16_t, const std::string&, const std::string&) override {}
  void SetFontSizeBeforeAppendFile(int, int) override {}
  void AbortReport() override { lines.clear(); }
  void showreport(bool) override {
    std::string html;
    for (const auto& l : lines) html += l + "\n";
    sink_({lines.empty() ? "" : lines.front(), 1, html, [] { return std::string(); }, ClientCodes});
  }

 private:
  suite::FinishedReportSink sink_;
};

}  // namespace meridian::testsupport
