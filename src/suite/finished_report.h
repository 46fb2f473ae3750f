#pragma once
// A report the report writer finished: its pages ready for the preview, and
// its PDF drawn on the first request and kept.
#include <functional>
#include <string>
#include <vector>

namespace meridian::suite {

struct FinishedReport {
  std::string title;
  int pages = 0;
  std::string pagesHtml;  // one element per page
  std::function<std::string()> pdf;
  std::vector<std::string> clients;  // whose data it shows
};

using FinishedReportSink = std::function<void(FinishedReport)>;

}  // namespace meridian::suite
