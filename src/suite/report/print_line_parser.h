#pragma once
// Reads the lines callers give to printtext: text with printer control
// sequences and the font-size directive in it. The parser keeps the printer's
// state between lines, as a printer would: bold switched on in one line stays
// on until a later line switches it off.
#include <string_view>
#include <variant>
#include <vector>

#include "suite/report/report_document.h"

namespace meridian::suite::report {

using ParsedPiece = std::variant<Line, PageBreak>;

class PrintLineParser {
 public:
  // The lines and page breaks one printtext line holds. An empty line gives
  // one empty Line; a line that holds only control sequences changes the
  // state and gives nothing; FF gives a PageBreak and LF ends a line.
  std::vector<ParsedPiece> parse(std::string_view text);

  const TextStyle& style() const { return style_; }
  void reset();

 private:
  void applyPitch();
  // Handles the sequence that starts with ESC at text[i]; returns how many
  // bytes it spans. Unknown sequences are swallowed, never printed.
  std::size_t applyEscape(std::string_view text, std::size_t i);

  TextStyle style_;
  bool condensed_ = false;
  bool twelveCpi_ = false;
};

}  // namespace meridian::suite::report
