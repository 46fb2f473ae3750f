#include "suite/report/pdf_fonts.h"

#include <cstdlib>
#include <filesystem>

#include <algorithm>

namespace meridian::suite::report {
namespace {

std::string firstExisting(const std::vector<std::string>& folders, const char* file) {
  for (const auto& folder : folders) {
    std::filesystem::path p = std::filesystem::path(folder) / file;
    std::error_code ec;
    if (std::filesystem::is_regular_file(p, ec)) return p.string();
  }
  return {};
}

std::optional<PdfFontFiles> findFonts() {
  std::vector<std::string> folders;
  if (const char* dir = std::getenv("MERIDIAN_FONT_DIR"); dir && *dir) folders.emplace_back(dir);
  for (const char* d : {"/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/noto",
                        "/usr/share/fonts/truetype", "/usr/local/share/fonts"})
    folders.emplace_back(d);
  PdfFontFiles files;
  const char* mono[4] = {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
                         "DejaVuSansMono-BoldOblique.ttf"};
  for (int i = 0; i < 4; ++i) {
    files.mono[i] = firstExisting(folders, mono[i]);
    if (files.mono[i].empty()) return std::nullopt;
  }
  files.devanagari[0] = firstExisting(folders, "NotoSansDevanagari-Regular.ttf");
  files.devanagari[1] = firstExisting(folders, "NotoSansDevanagari-Bold.ttf");
  if (files.devanagari[1].empty()) files.devanagari[1] = files.devanagari[0];
  return files;
}

// U+0900 to U+097F (Devanagari) and U+A8E0 to U+A8FF (Devanagari Extended)
// are three-byte sequences E0 A4 80 .. E0 A5 BF and EA A3 A0 .. EA A3 BF.
// The caller has checked that three bytes follow from i.
bool startsDevanagari(std::string_view s, std::size_t i) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  if (b(0) == 0xE0 && (b(1) == 0xA4 || b(1) == 0xA5)) return true;
  return b(0) == 0xEA && b(1) == 0xA3 && b(2) >= 0xA0;
}

std::size_t sequenceLength(unsigned char c) { return c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1; }

}  // namespace

const std::optional<PdfFontFiles>& pdfFontFiles() {
  static const std::optional<PdfFontFiles> files = findFonts();
  return files;
}

std::vector<ScriptPiece> splitByScript(std::string_view utf8) {
  std::vector<ScriptPiece> pieces;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = std::min(sequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    // A blank goes with the piece before it, so the words of one name stay
    // one piece and are spaced by the same squeeze.
    const bool blank = utf8[i] == ' ' && !pieces.empty();
    const bool deva = blank ? pieces.back().devanagari : length == 3 && startsDevanagari(utf8, i);
    if (pieces.empty() || pieces.back().devanagari != deva) pieces.push_back({"", deva, 0});
    pieces.back().text.append(utf8.substr(i, length));
    pieces.back().columns += 1;
    i += length;
  }
  return pieces;
}

}  // namespace meridian::suite::report
