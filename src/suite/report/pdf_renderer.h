#pragma once
// A report as a PDF, one PDF page per report page, drawn in a monospaced
// Unicode face (see pdf_fonts.h) so the character grid of the preview is
// kept exactly and the rupee sign and Indian names print as typed.
#include <stdexcept>
#include <string>

#include "suite/report/paged_report.h"

namespace meridian::suite::report {

// Raised when the PDF library refuses a step; the message names the step
// and the library's error code.
class PdfRenderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The PDF file's bytes. Glyph size follows the pitch so that the page's
// columns (80 or 132 at normal pitch) fill the printable width; underlines
// are drawn as lines and boxes as rectangles.
std::string renderPdf(const PagedReport& report);

}  // namespace meridian::suite::report
