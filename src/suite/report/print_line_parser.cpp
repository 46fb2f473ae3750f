#include "suite/report/print_line_parser.h"

#include <charconv>

#include "suite/report/utf8_text.h"

namespace meridian::suite::report {
namespace {

constexpr char ESC = '\x1b';
constexpr char SI = '\x0f';   // condensed on
constexpr char DC2 = '\x12';  // condensed off
constexpr char FF = '\x0c';
constexpr int tabStop = 8;

constexpr std::string_view fontDirectiveStart = "[##ST##FONT##SIZE##]=";
constexpr std::string_view fontDirectiveEnd = "=[##EN##FONT##SIZE##]";

// Recognises the font-size directive at text[i]; on success sets the step
// and returns the directive's length, else 0 (the text is then ordinary).
std::size_t matchFontDirective(std::string_view text, std::size_t i, int& step) {
  if (text.substr(i, fontDirectiveStart.size()) != fontDirectiveStart) return 0;
  std::size_t numberStart = i + fontDirectiveStart.size();
  std::size_t numberEnd = text.find(fontDirectiveEnd, numberStart);
  if (numberEnd == std::string_view::npos || numberEnd == numberStart) return 0;
  int value = 0;
  auto [end, error] = std::from_chars(text.data() + numberStart, text.data() + numberEnd, value);
  if (error != std::errc{} || end != text.data() + numberEnd) return 0;
  step = value;
  return numberEnd + fontDirectiveEnd.size() - i;
}

void appendText(Line& line, std::string_view text, const TextStyle& style) {
  if (line.runs.empty() || !(line.runs.back().style == style)) line.runs.push_back(Run{"", style});
  line.runs.back().text += text;
}

}  // namespace

void PrintLineParser::reset() {
  style_ = TextStyle{};
  condensed_ = twelveCpi_ = false;
}

void PrintLineParser::applyPitch() {
  style_.pitch = condensed_ ? Pitch::condensed17cpi : twelveCpi_ ? Pitch::pitch12cpi : Pitch::normal10cpi;
}

std::size_t PrintLineParser::applyEscape(std::string_view text, std::size_t i) {
  if (i + 1 >= text.size()) return 1;
  switch (text[i + 1]) {
    case 'E': style_.bold = true; return 2;
    case 'F': style_.bold = false; return 2;
    case '4': style_.italic = true; return 2;
    case '5': style_.italic = false; return 2;
    case 'P': twelveCpi_ = false; applyPitch(); return 2;
    case 'M': twelveCpi_ = true; applyPitch(); return 2;
    case SI: condensed_ = true; applyPitch(); return 2;
    case DC2: condensed_ = false; applyPitch(); return 2;
    case '@': reset(); return 2;
    case '-':
      if (i + 2 < text.size()) {
        char n = text[i + 2];
        if (n == '1' || n == '\x01') style_.underline = true;
        if (n == '0' || n == '\x00') style_.underline = false;
        return 3;
      }
      return 2;
    default:
      // An unknown command: its letter belongs to the command, not the text.
      return 2;
  }
}

std::vector<ParsedPiece> PrintLineParser::parse(std::string_view text) {
  std::vector<ParsedPiece> pieces;
  if (text.empty()) {
    pieces.emplace_back(Line{});
    return pieces;
  }
  Line line;
  bool lineHasText = false;
  auto endLine = [&](bool keepEmpty) {
    if (lineHasText || keepEmpty) pieces.emplace_back(std::move(line));
    line = Line{};
    lineHasText = false;
  };

  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    int step = 0;
    if (std::size_t length = matchFontDirective(text, i, step)) {
      style_.fontStep = step;
      i += length;
    } else if (c == ESC) {
      i += applyEscape(text, i);
    } else if (c == SI) {
      condensed_ = true;
      applyPitch();
      ++i;
    } else if (c == DC2) {
      condensed_ = false;
      applyPitch();
      ++i;
    } else if (c == FF) {
      endLine(false);
      pieces.emplace_back(PageBreak{});
      ++i;
    } else if (c == '\n') {
      endLine(true);
      ++i;
    } else if (c == '\t') {
      int column = columnCount(line.plainText());
      appendText(line, std::string(static_cast<std::size_t>(tabStop - column % tabStop), ' '), style_);
      lineHasText = true;
      ++i;
    } else if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
      ++i;  // a control character we do not know must not reach the page
    } else {
      std::size_t end = i + 1;
      while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x20 && text[end] != '\x7f' &&
             text[end] != '[')
        ++end;
      appendText(line, text.substr(i, end - i), style_);
      lineHasText = true;
      i = end;
    }
  }
  endLine(false);
  return pieces;
}

}  // namespace meridian::suite::report
