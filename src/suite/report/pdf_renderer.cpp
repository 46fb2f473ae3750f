#include "suite/report/pdf_renderer.h"

#include <hpdf.h>

#include <array>
#include <cstdio>

#include "suite/report/pdf_fonts.h"
#include "suite/report/utf8_text.h"

namespace meridian::suite::report {
namespace {

struct HpdfFailure {
  HPDF_STATUS code = HPDF_OK;
  HPDF_STATUS detail = 0;
};

// The library reports errors through this callback; it only records them,
// since an exception must not unwind through the library's C frames. Each
// step then checks and throws.
void recordHpdfError(HPDF_STATUS code, HPDF_STATUS detail, void* data) {
  auto* failure = static_cast<HpdfFailure*>(data);
  if (failure->code == HPDF_OK) *failure = HpdfFailure{code, detail};
}

class PdfDocument {
 public:
  PdfDocument() : doc_(HPDF_New(recordHpdfError, &failure_)) {
    if (!doc_) throw PdfRenderError("PDF writer failed while starting the document");
  }
  ~PdfDocument() { HPDF_Free(doc_); }
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  HPDF_Doc get() const { return doc_; }

  void check(const char* step) {
    if (failure_.code == HPDF_OK) return;
    char message[160];
    std::snprintf(message, sizeof message, "PDF writer failed while %s: error 0x%04X, detail %u", step,
                  static_cast<unsigned>(failure_.code), static_cast<unsigned>(failure_.detail));
    throw PdfRenderError(message);
  }
  void clearFailure() {
    failure_ = HpdfFailure{};
    HPDF_ResetError(doc_);
  }
  HPDF_STATUS failureCode() const { return failure_.code; }

 private:
  HpdfFailure failure_;
  HPDF_Doc doc_;
};

class PageDrawer {
 public:
  PageDrawer(PdfDocument& pdf, const PageGeometry& geometry) : pdf_(pdf), geometry_(geometry) {
    if (const auto& files = pdfFontFiles()) {
      files_ = &*files;
      HPDF_UseUTFEncodings(pdf.get());
      pdf_.check("choosing UTF-8 text");
    } else {
      static constexpr std::array<const char*, 4> names{"Courier", "Courier-Bold", "Courier-Oblique",
                                                        "Courier-BoldOblique"};
      for (std::size_t i = 0; i < names.size(); ++i) fonts_[i] = HPDF_GetFont(pdf.get(), names[i], "WinAnsiEncoding");
      pdf_.check("loading the Courier fonts");
    }
  }

  void draw(const Page& page) {
    page_ = HPDF_AddPage(pdf_.get());
    HPDF_Page_SetWidth(page_, static_cast<HPDF_REAL>(geometry_.pageWidthPt));
    HPDF_Page_SetHeight(page_, static_cast<HPDF_REAL>(geometry_.pageHeightPt));
    pdf_.check("adding a page");
    // A new page starts with no font chosen.
    font_ = nullptr;
    fontSize_ = 0;

    // Text first, in one text object; lines and rectangles are paths and
    // must be drawn outside it.
    HPDF_Page_BeginText(page_);
    forEachLine(page, [&](const Line& line, int index) { drawText(line, index); });
    HPDF_Page_EndText(page_);
    pdf_.check("writing text");

    HPDF_Page_SetLineWidth(page_, 0.5f);
    pathStarted_ = false;
    forEachLine(page, [&](const Line& line, int index) { drawRules(line, index); });
    // Stroking with no path is an error in the library's graphics state.
    if (pathStarted_) HPDF_Page_Stroke(page_);
    pdf_.check("drawing underlines and boxes");
  }

 private:
  template <class Visit>
  void forEachLine(const Page& page, Visit visit) {
    int index = 0;
    for (const auto& line : page.header) visit(line, index++);
    for (const auto& line : page.body) visit(line, index++);
    index = geometry_.linesPerPage - static_cast<int>(page.footer.size());
    for (const auto& line : page.footer) visit(line, index++);
  }

  double lineTop(int index) const {
    return geometry_.pageHeightPt - geometry_.marginPt - index * geometry_.lineHeightPt();
  }
  double baseline(int index) const { return lineTop(index) - geometry_.lineHeightPt() * 0.78; }

  // A TrueType face is embedded the first time a page uses it, so a report
  // without bold or Devanagari text does not carry those faces.
  HPDF_Font trueType(HPDF_Font& slot, const std::string& file) {
    if (!slot) {
      const char* name = HPDF_LoadTTFontFromFile(pdf_.get(), file.c_str(), HPDF_TRUE);
      pdf_.check("embedding a TrueType font");
      slot = HPDF_GetFont(pdf_.get(), name, "UTF-8");
      pdf_.check("choosing a TrueType font");
    }
    return slot;
  }
  HPDF_Font fontFor(const TextStyle& style) {
    const std::size_t face = (style.bold ? 1 : 0) + (style.italic ? 2 : 0);
    return files_ ? trueType(fonts_[face], files_->mono[face]) : fonts_[face];
  }
  HPDF_Font devanagariFont(const TextStyle& style) {
    const std::size_t face = style.bold ? 1 : 0;
    return trueType(devanagari_[face], files_->devanagari[face]);
  }

  void drawText(const Line& line, int index) {
    double x = geometry_.marginPt;
    for (const auto& run : line.runs) {
      if (!files_) {
        std::string text = toWinAnsi(run.text);
        // Runs of spaces only move the pen; they put nothing on the page.
        if (text.find_first_not_of(' ') != std::string::npos) showText(fontFor(run.style), run.style, x, index, text);
        x += static_cast<double>(text.size()) * geometry_.charWidthPt(run.style);
        continue;
      }
      for (const auto& piece : splitByScript(run.text)) {
        const double width = piece.columns * geometry_.charWidthPt(run.style);
        if (piece.devanagari && !files_->devanagari[0].empty()) {
          showFitted(devanagariFont(run.style), run.style, x, index, piece.text, width);
        } else if (piece.text.find_first_not_of(' ') != std::string::npos) {
          showText(fontFor(run.style), run.style, x, index, piece.text);
        }
        x += width;
      }
    }
  }

  // The glyph size that gives the face's advance the width of one column:
  // Courier advances 0.6 em, DejaVu Sans Mono a little more.
  double monoSize(HPDF_Font font, const TextStyle& style) const {
    if (!files_) return geometry_.fontSizePt(style);
    const HPDF_INT advance = HPDF_Font_GetUnicodeWidth(font, '0');
    return advance > 0 ? geometry_.charWidthPt(style) * 1000.0 / advance : geometry_.fontSizePt(style);
  }

  void showText(HPDF_Font font, const TextStyle& style, double x, int index, const std::string& text) {
    useFont(font, static_cast<HPDF_REAL>(monoSize(font, style)));
    HPDF_Page_TextOut(page_, static_cast<HPDF_REAL>(x), static_cast<HPDF_REAL>(baseline(index)), text.c_str());
  }

  // Devanagari letters are wider than a column and their vowel signs are
  // characters of their own: the piece is squeezed (never stretched) into
  // the columns its characters hold, so what follows stays in its column.
  void showFitted(HPDF_Font font, const TextStyle& style, double x, int index, const std::string& text,
                  double width) {
    useFont(font, static_cast<HPDF_REAL>(geometry_.fontSizePt(style)));
    const double natural = HPDF_Page_TextWidth(page_, text.c_str());
    const double scale = natural > width && natural > 0 ? 100.0 * width / natural : 100.0;
    HPDF_Page_SetHorizontalScalling(page_, static_cast<HPDF_REAL>(scale));
    HPDF_Page_TextOut(page_, static_cast<HPDF_REAL>(x), static_cast<HPDF_REAL>(baseline(index)), text.c_str());
    HPDF_Page_SetHorizontalScalling(page_, 100);
  }

  // Most runs keep the font of the run before them: choosing it again would
  // only add an operator to the page for every run.
  void useFont(HPDF_Font font, HPDF_REAL size) {
    if (font == font_ && size == fontSize_) return;
    HPDF_Page_SetFontAndSize(page_, font, size);
    font_ = font;
    fontSize_ = size;
  }

  void drawRules(const Line& line, int index) {
    double x = geometry_.marginPt;
    for (const auto& run : line.runs) {
      double width = columnCount(run.text) * geometry_.charWidthPt(run.style);
      if (run.style.underline) {
        double y = baseline(index) - geometry_.fontSizePt(run.style) * 0.15;
        HPDF_Page_MoveTo(page_, static_cast<HPDF_REAL>(x), static_cast<HPDF_REAL>(y));
        HPDF_Page_LineTo(page_, static_cast<HPDF_REAL>(x + width), static_cast<HPDF_REAL>(y));
        pathStarted_ = true;
      }
      x += width;
    }
    for (const auto& box : line.boxes) {
      double cell = geometry_.charWidthPt(box.style);
      double bottom = lineTop(index + box.lines);
      HPDF_Page_Rectangle(page_, static_cast<HPDF_REAL>(geometry_.marginPt + box.column * cell),
                          static_cast<HPDF_REAL>(bottom), static_cast<HPDF_REAL>(box.width * cell),
                          static_cast<HPDF_REAL>(box.lines * geometry_.lineHeightPt()));
      pathStarted_ = true;
    }
  }

  PdfDocument& pdf_;
  const PageGeometry& geometry_;
  const PdfFontFiles* files_ = nullptr;
  std::array<HPDF_Font, 4> fonts_{};
  std::array<HPDF_Font, 2> devanagari_{};
  HPDF_Page page_ = nullptr;
  HPDF_Font font_ = nullptr;  // the page's font and size now
  HPDF_REAL fontSize_ = 0;
  bool pathStarted_ = false;
};

std::string savedBytes(PdfDocument& pdf) {
  HPDF_SaveToStream(pdf.get());
  pdf.check("saving the document");
  HPDF_UINT32 size = HPDF_GetStreamSize(pdf.get());
  std::string bytes(size, '\0');
  HPDF_UINT32 read = size;
  HPDF_ReadFromStream(pdf.get(), reinterpret_cast<HPDF_BYTE*>(bytes.data()), &read);
  // Reading the whole stream may report its end; that is not a failure.
  if (pdf.failureCode() == HPDF_STREAM_EOF) pdf.clearFailure();
  pdf.check("reading the saved document");
  bytes.resize(read);
  return bytes;
}

}  // namespace

std::string renderPdf(const PagedReport& report) {
  PdfDocument pdf;
  HPDF_SetCompressionMode(pdf.get(), HPDF_COMP_ALL);
  pdf.check("choosing compression");
  PageDrawer drawer(pdf, report.geometry);
  for (const auto& page : report.pages) drawer.draw(page);
  return savedBytes(pdf);
}

}  // namespace meridian::suite::report
