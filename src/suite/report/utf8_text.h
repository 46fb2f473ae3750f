#pragma once
// Column arithmetic on UTF-8 text: a report column holds one character, not
// one byte, so names with accented letters still line up.
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite::report {

// Number of characters (code points) in the text.
int columnCount(std::string_view text);

// The first `columns` characters of the text.
std::string leadingColumns(std::string_view text, int columns);

// Cuts text into pieces of at most `width` characters, breaking after a
// space where one falls inside the piece so words stay whole.
std::vector<std::string> wrapToWidth(std::string_view text, int width);

// Text for the PDF's standard Courier fonts (WinAnsi): Latin-1 letters are
// kept, anything the font cannot show becomes '?'.
std::string toWinAnsi(std::string_view utf8);

}  // namespace meridian::suite::report
