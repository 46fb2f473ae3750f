#pragma once
// The TrueType faces a PDF report is drawn in, found on the machine: a
// monospaced Unicode face (DejaVu Sans Mono, from Debian's fonts-dejavu-core)
// keeps the report's character grid and prints the rupee sign and every
// Latin letter; Devanagari, which no monospaced face covers, is drawn in
// Noto Sans Devanagari (fonts-noto-core) squeezed into the columns it holds.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite::report {

struct PdfFontFiles {
  // Regular, bold, oblique, bold oblique.
  std::string mono[4];
  // Regular and bold; empty when the machine has no Devanagari face.
  std::string devanagari[2];
};

// Looks in $MERIDIAN_FONT_DIR, then Debian's font folders. Nothing when the
// monospaced faces are missing: the report is then drawn in the PDF's
// standard Courier, which shows only Latin-1.
const std::optional<PdfFontFiles>& pdfFontFiles();

// A run of text cut where the script changes between Devanagari and the rest.
struct ScriptPiece {
  std::string text;
  bool devanagari = false;
  int columns = 0;  // characters (code points) in the piece
};
std::vector<ScriptPiece> splitByScript(std::string_view utf8);

}  // namespace meridian::suite::report
