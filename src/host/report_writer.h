#pragma once
// The report writer (object "PrjVeltoReporter.ClsMain"): one current
// character report built line by line with printer control codes, tables
// written row by row, page header and footer, and a preview from which the
// user prints or saves a PDF.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "common/money.h"

namespace meridian::host {

// Amounts travel as Money; double is for other figures (rates, ratios).
using ReportValue = std::variant<std::monostate, std::string, long long, double, bool, Money>;

// Control sequences a line given to printtext may hold.
namespace esc {
inline const std::string boldOn = "\x1b" "E", boldOff = "\x1b" "F";
inline const std::string italicOn = "\x1b" "4", italicOff = "\x1b" "5";
inline const std::string underlineOn = "\x1b" "-1", underlineOff = "\x1b" "-0";
inline const std::string normalPitch = "\x1b\x12\x1b" "P";  // 10 characters per inch
inline const std::string pitch12 = "\x1b\x12\x1b" "M";      // 12 characters per inch
inline const std::string condensed = "\x0f\x1b" "P";        // about 17 characters per inch
inline const std::string formFeed = "\x0c";                 // page break
inline std::string fontSize(int step) {
  return "[##ST##FONT##SIZE##]=" + std::to_string(step) + "=[##EN##FONT##SIZE##]";
}
}  // namespace esc

// SelectHF section codes.
enum HFSection : int { hfBody = 0, hfHeader = 1, hfFooter = 2 };

class ReportWriter {
 public:
  virtual ~ReportWriter() = default;

  bool WinModeReport = false;
  bool SetCol130 = false;  // wide (130-column) report
  // Clients whose data the report shows: its preview and PDF open only for
  // a user who may open each of them (their client passwords were given).
  // Emptied by NewReport.
  std::vector<std::string> ClientCodes;

  virtual void NewReport() = 0;
  virtual void initReport(bool withTemplates = true, bool keepPageSetup = false) = 0;
  virtual void LoadPageSetup(const std::string& templatePath) = 0;
  virtual void printtext(const std::string& line = "") = 0;
  virtual void createtable(int16_t kind, int16_t columns) = 0;
  // One table row: cell values; column widths (characters); column start
  // positions (characters, 0 = right after the previous column); column kinds
  // ("T" text, "N" number, "A" amount with two decimals, "D" date); number
  // formats ("#,##0.00" style, "" = as given); whether the row is the table's
  // heading (repeated on each page the table runs onto); and four masks of
  // "0"/"1", one character per column: bold, right-aligned, underlined, boxed.
  virtual void WriteToReport(std::vector<ReportValue>& values, std::vector<int16_t>& widths,
                             std::vector<int32_t>& positions, std::vector<std::string>& kinds,
                             std::vector<std::string>& formats, bool headingRow, const std::string& boldMask,
                             const std::string& rightMask, const std::string& underlineMask,
                             const std::string& boxMask) = 0;
  // Switches writing to the header, footer or body (HFSection); pages: 0 every
  // page, 1 first page only, 2 pages after the first; clear drops what that
  // section held.
  virtual void SelectHF(int section, int pages = 0, bool clear = false) = 0;
  // Places the page number in the header or footer being written: align 0
  // left, 1 centre, 2 right; style 0 the number alone, 1 "Page n of m";
  // before/after are printed around it ("-" and "-" give "- 3 -").
  virtual void InsertPgNo_TB(int16_t align, int16_t style, const std::string& before, const std::string& after) = 0;
  virtual void SetFontSizeBeforeAppendFile(int step, int afterStep) = 0;
  virtual void AbortReport() = 0;
  virtual void showreport(bool modal = false) = 0;
};

}  // namespace meridian::host
