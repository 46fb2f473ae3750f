#include "suite/report/utf8_text.h"

namespace meridian::suite::report {
namespace {

bool isContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset just past the first `columns` characters.
std::size_t byteOffsetOfColumn(std::string_view text, int columns) {
  std::size_t i = 0;
  for (int seen = 0; i < text.size(); ++i) {
    if (!isContinuationByte(static_cast<unsigned char>(text[i]))) {
      if (seen == columns) break;
      ++seen;
    }
  }
  return i;
}

}  // namespace

int columnCount(std::string_view text) {
  int count = 0;
  for (unsigned char c : text)
    if (!isContinuationByte(c)) ++count;
  return count;
}

std::string leadingColumns(std::string_view text, int columns) {
  return std::string(text.substr(0, byteOffsetOfColumn(text, columns)));
}

std::vector<std::string> wrapToWidth(std::string_view text, int width) {
  std::vector<std::string> pieces;
  if (width < 1) width = 1;
  while (columnCount(text) > width) {
    std::size_t cut = byteOffsetOfColumn(text, width);
    // Break at the last space that still leaves the piece within the width,
    // unless a word ends exactly at the width.
    if (text[cut] != ' ') {
      std::size_t space = text.substr(0, cut).find_last_of(' ');
      if (space != std::string_view::npos && space > 0) cut = space;
    }
    std::string piece(text.substr(0, cut));
    while (!piece.empty() && piece.back() == ' ') piece.pop_back();
    pieces.push_back(std::move(piece));
    text.remove_prefix(cut);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  }
  pieces.emplace_back(text);
  return pieces;
}

std::string toWinAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    unsigned code = 0;
    if (length == 2 && i + 1 < utf8.size()) code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
    out += (length == 2 && code >= 0xA0 && code <= 0xFF) ? static_cast<char>(code) : '?';
    i += static_cast<std::size_t>(length);
    while (i < utf8.size() && isContinuationByte(static_cast<unsigned char>(utf8[i]))) ++i;
  }
  return out;
}

}  // namespace meridian::suite::report
