#include "suite/report/html_renderer.h"

#include <algorithm>

namespace meridian::suite::report {
namespace {

// One line's height in pixels; boxes spanning several lines are sized from it.
constexpr int lineHeightPx = 15;

const char* pitchClass(Pitch pitch) {
  switch (pitch) {
    case Pitch::pitch12cpi: return "p12";
    case Pitch::condensed17cpi: return "p17";
    case Pitch::normal10cpi: break;
  }
  return nullptr;
}

void openSizeSpans(std::string& html, const TextStyle& style) {
  if (const char* pitch = pitchClass(style.pitch)) html += std::string("<span class=\"") + pitch + "\">";
  if (style.fontStep != 0) html += "<span class=\"fs" + std::to_string(std::clamp(style.fontStep, 0, 7)) + "\">";
}

void closeSizeSpans(std::string& html, const TextStyle& style) {
  if (style.fontStep != 0) html += "</span>";
  if (pitchClass(style.pitch)) html += "</span>";
}

void renderRun(std::string& html, const Run& run) {
  const TextStyle& s = run.style;
  openSizeSpans(html, s);
  if (s.bold) html += "<b>";
  if (s.italic) html += "<i>";
  if (s.underline) html += "<u>";
  html += escapeHtml(run.text);
  if (s.underline) html += "</u>";
  if (s.italic) html += "</i>";
  if (s.bold) html += "</b>";
  closeSizeSpans(html, s);
}

void renderBox(std::string& html, const Box& box) {
  // The box sits in a span of the row's pitch so its ch units are the row's
  // character cells.
  openSizeSpans(html, box.style);
  html += "<span class=\"box\" style=\"left:" + std::to_string(box.column) + "ch;width:" + std::to_string(box.width) +
          "ch;height:" + std::to_string(box.lines * lineHeightPx) + "px\"></span>";
  closeSizeSpans(html, box.style);
}

void renderLine(std::string& html, const Line& line) {
  html += "<div class=\"ln\">";
  for (const auto& box : line.boxes) renderBox(html, box);
  for (const auto& run : line.runs) renderRun(html, run);
  html += "</div>\n";
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string renderHtmlPages(const PagedReport& report) {
  std::string html;
  const int linesPerPage = report.geometry.linesPerPage;
  const bool wide = report.geometry.columns > PageGeometry::narrow().columns;
  int number = 0;
  for (const auto& page : report.pages) {
    ++number;
    html += std::string("<div class=\"page") + (wide ? " wide" : "") + "\" data-page=\"" + std::to_string(number) +
            "\">\n";
    int written = 0;
    for (const auto& line : page.header) renderLine(html, line), ++written;
    for (const auto& line : page.body) renderLine(html, line), ++written;
    for (int blank = linesPerPage - written - static_cast<int>(page.footer.size()); blank > 0; --blank)
      html += "<div class=\"ln\"></div>\n";
    for (const auto& line : page.footer) renderLine(html, line);
    html += "</div>\n";
  }
  return html;
}

const std::string& reportPagesCss() {
  static const std::string css = R"(.page{font-family:"Courier New",Courier,monospace;font-size:13px;width:80ch;
padding:24px;margin:12px auto;background:#fff;border:1px solid #bbb;box-shadow:0 1px 4px rgba(0,0,0,.2);
break-after:page;page-break-after:always}
.page.wide{font-size:12px;width:132ch;page:wide}
.page .ln{position:relative;height:15px;line-height:15px;white-space:pre;overflow:visible}
.page .p12{font-size:0.8333em}
.page .p17{font-size:0.5834em}
.page .fs1{font-size:0.8em}.page .fs2{font-size:0.9em}.page .fs3{font-size:1em}.page .fs4{font-size:1.1em}
.page .fs5{font-size:1.2em}.page .fs6{font-size:1.4em}.page .fs7{font-size:1.6em}
.page .box{position:absolute;top:0;border:1px solid #000;box-sizing:border-box}
@page{size:A4 portrait;margin:12.7mm}
@page wide{size:A4 landscape;margin:12.7mm}
@media print{.page{margin:0;padding:0;border:none;box-shadow:none}}
)";
  return css;
}

}  // namespace meridian::suite::report
