#pragma once
// One table of the printout: its columns fixed when it opens, one call per
// row, the four per-column masks (bold, right-aligned, underlined, boxed) as
// the report writer takes them.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "host/report_writer.h"
#include "suite/report/utf8_text.h"

namespace meridian::suite::computation {

inline const std::string kWhole = "#,##0";  // whole rupees, Indian grouping

class TableOut {
 public:
  TableOut(host::ReportWriter& rep, std::vector<int16_t> widths, std::vector<std::string> kinds, bool borders)
      : rep_(rep), widths_(std::move(widths)), kinds_(std::move(kinds)), borders_(borders) {
    for (const auto& k : kinds_) formats_.push_back(k == "A" ? kWhole : "");
    positions_.assign(widths_.size(), 0);
    rep_.createtable(1, static_cast<int16_t>(widths_.size()));
  }
  // A heading given as whole titles, written as many heading rows as the
  // longest needs: each title broken between words one short of its column,
  // so that no two titles run together whatever their alignment.
  void heading(const std::vector<std::string>& titles, const std::string& bold, const std::string& right) {
    brokenRow(titles, true, bold, right);
  }
  // A row of texts broken the same way, for columns whose texts may fill
  // them to the last character (names, addresses).
  void textRow(const std::vector<std::string>& texts, const std::string& bold, const std::string& right) {
    brokenRow(texts, false, bold, right);
  }
  void row(std::vector<host::ReportValue> values, bool heading, const std::string& bold, const std::string& right,
           const std::string& underline = "") {
    const std::string none(widths_.size(), '0');
    std::string box = borders_ ? std::string(widths_.size(), '1') : none;
    values.resize(widths_.size());
    auto widths = widths_;
    auto positions = positions_;
    auto kinds = kinds_;
    auto formats = formats_;
    rep_.WriteToReport(values, widths, positions, kinds, formats, heading, bold.empty() ? none : bold,
                       right.empty() ? none : right, underline.empty() ? none : underline, box);
  }

 private:
  void brokenRow(const std::vector<std::string>& titles, bool heading, const std::string& bold,
                 const std::string& right) {
    std::vector<std::vector<std::string>> pieces;
    std::size_t lines = 1;
    for (std::size_t c = 0; c < titles.size() && c < widths_.size(); ++c) {
      pieces.push_back(report::wrapToWidth(titles[c], std::max(1, widths_[c] - 1)));
      lines = std::max(lines, pieces.back().size());
    }
    for (std::size_t k = 0; k < lines; ++k) {
      std::vector<host::ReportValue> values;
      for (const auto& p : pieces) values.emplace_back(k < p.size() ? p[k] : std::string());
      row(values, heading, bold, right);
    }
  }
  host::ReportWriter& rep_;
  std::vector<int16_t> widths_;
  std::vector<int32_t> positions_;
  std::vector<std::string> kinds_, formats_;
  bool borders_;
};

}  // namespace meridian::suite::computation
